#include "screens/shell/Session.h"

#include "diary/FileSnapshot.h"
#include "diary/FolderWatcher.h"
#include "diary/PartnerDiary.h"
#include "store/FileNames.h"

Session::Session(const DataFolder &folder, QObject *parent)
    : QObject(parent)
    , m_folder(folder)
    , m_diary1(std::make_unique<PartnerDiary>(folder, 1))
    , m_diary2(std::make_unique<PartnerDiary>(folder, 2))
    , m_memo(std::make_unique<FileSnapshot>())
    , m_situations(std::make_unique<FileSnapshot>())
{
    for (PartnerDiary *diary : {m_diary1.get(), m_diary2.get()}) {
        const int partner = diary->partner();
        connect(diary, &PartnerDiary::recordsChanged, this, [this, partner] { Q_EMIT recordsChanged(partner); });
        connect(diary, &PartnerDiary::profileChanged, this, [this, partner] { Q_EMIT profileChanged(partner); });
    }
}

Session::~Session() = default;

QString Session::currentDataFile() const
{
    return FileName::dataFile(m_partner);
}

QString Session::currentProfileFile() const
{
    return FileName::profileFile(m_partner);
}

void Session::selectPartner(int partner)
{
    const int selected = partner == 2 ? 2 : 1;
    if (selected == m_partner)
        return;
    m_partner = selected;
    Q_EMIT partnerChanged(selected);
}

PartnerDiary &Session::diary(int partner)
{
    return partner == 2 ? *m_diary2 : *m_diary1;
}

const PartnerDiary &Session::diary(int partner) const
{
    return partner == 2 ? *m_diary2 : *m_diary1;
}

const PartnerProfile &Session::profile() const
{
    return diary().profile();
}

const PartnerProfile &Session::profile(int partner) const
{
    return diary(partner).profile();
}

QString Session::nickname(int partner) const
{
    return profile(partner).nickname;
}

float Session::targetWeight(int partner) const
{
    return profile(partner).targetWeight;
}

int Session::recordCount() const
{
    return diary().recordCount();
}

void Session::load()
{
    m_diary1->load();
    m_diary2->load();
    // The memo and the situation list are read by the screens that show them; here they are
    // only known by their identity, so that a change to them is seen.
    m_memo->note(m_folder.pathFor(FileName::memo));
    m_situations->note(m_folder.pathFor(FileName::situationList));
}

void Session::refresh()
{
    m_diary1->refresh();
    m_diary2->refresh();
    if (m_memo->readIfChanged(m_folder.pathFor(FileName::memo)))
        Q_EMIT memoFileChanged();
    if (m_situations->readIfChanged(m_folder.pathFor(FileName::situationList)))
        Q_EMIT situationFileChanged();
}

void Session::watchFolder()
{
    if (m_watcher)
        return;
    m_watcher = new FolderWatcher(m_folder,
                                  {FileName::data1, FileName::data2, FileName::profile1, FileName::profile2, FileName::memo,
                                   FileName::situationList},
                                  this);
    connect(m_watcher, &FolderWatcher::changed, this, [this] {
        refresh();
        Q_EMIT folderChanged();
    });
}

DataStamp Session::stamp(bool bothPartners) const
{
    DataStamp s;
    s.partner = m_partner;
    if (bothPartners || m_partner == 1)
        s.partner1 = m_diary1->revision();
    if (bothPartners || m_partner == 2)
        s.partner2 = m_diary2->revision();
    return s;
}
