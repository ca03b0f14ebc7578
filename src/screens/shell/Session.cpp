#include "screens/shell/Session.h"

#include "store/FileNames.h"

Session::Session(QObject *parent)
    : QObject(parent)
{
}

QString Session::currentDataFile() const
{
    return FileName::dataFile(m_partner);
}

QString Session::currentProfileFile() const
{
    return FileName::profileFile(m_partner);
}

void Session::selectPartner(int partner, const PartnerProfile &profile)
{
    const int selected = partner == 2 ? 2 : 1;
    const bool another = selected != m_partner;
    m_partner = selected;
    m_profile = profile;
    if (another)
        Q_EMIT partnerChanged(selected);
}

void Session::notePartnerProfile(int partner, const PartnerProfile &profile)
{
    (partner == 2 ? m_nickname2 : m_nickname1) = profile.nickname;
    (partner == 2 ? m_target2 : m_target1) = profile.targetWeight;
}

void Session::setProfile(const PartnerProfile &profile)
{
    m_profile = profile;
    notePartnerProfile(m_partner, profile);
    Q_EMIT profileChanged();
}

void Session::noteDataFileChanged()
{
    Q_EMIT dataFileChanged();
}
