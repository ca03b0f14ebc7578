// SPDX-License-Identifier: GPL-3.0-or-later
// One diary on two computers: two real Syncthing instances on this machine keep the data folder in
// step over localhost. Both add a measurement while syncing is paused; once it resumes Syncthing
// makes its conflict copy, and after `pmlina --merge-copies` and the next sync both sides hold
// every measurement exactly once. Nothing leaves this machine: each configuration is made before
// the instance first starts, every address on 127.0.0.1 and discovery, relays, NAT traversal,
// STUN, usage and crash reporting and upgrades off.
#include "store/FileNames.h"
#include "support/TestFiles.h"

#include <QDomDocument>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString kStart = u"\"2026/12/01\",\"朝\",72.5,\"\",28.1,\"\""_s;

int freePort()
{
    QTcpServer server;
    return server.listen(QHostAddress::LocalHost, 0) ? server.serverPort() : 0;
}

struct Instance {
    QString home, folder, id;
    int guiPort = freePort();
    int listenPort = freePort();
    QProcess process;
    QString address() const { return u"tcp://127.0.0.1:%1"_s.arg(listenPort); }
};

// The text of the child element of that name, which is made when missing.
void set(QDomElement parent, const QString &name, const QString &text)
{
    QDomElement e = parent.firstChildElement(name);
    if (e.isNull())
        e = parent.appendChild(parent.ownerDocument().createElement(name)).toElement();
    while (e.hasChildNodes())
        e.removeChild(e.firstChild());
    e.appendChild(e.ownerDocument().createTextNode(text));
}

QDomDocument config(const Instance &i)
{
    QDomDocument doc;
    doc.setContent(TestFiles::bytes(i.home, u"config.xml"_s));
    return doc;
}

// What `syncthing generate` wrote, made to talk only to `other`. The other device and the folder
// are copies of the generated elements, so that no field is left to a value of nothing.
bool configure(const Instance &self, const Instance &other)
{
    QDomDocument doc = config(self);
    QDomElement root = doc.documentElement();
    QDomElement device = root.firstChildElement(u"device"_s);
    QDomElement peer = root.appendChild(device.cloneNode()).toElement();
    peer.setAttribute(u"id"_s, other.id);
    set(device, u"address"_s, self.address());
    set(peer, u"address"_s, other.address());
    QDomElement gui = root.firstChildElement(u"gui"_s);
    set(gui, u"address"_s, u"127.0.0.1:%1"_s.arg(self.guiPort));
    set(gui, u"apikey"_s, u"pmlina-test"_s);
    const QString options = u"globalAnnounceEnabled=false localAnnounceEnabled=false relaysEnabled=false natEnabled=false stunKeepaliveStartS=0 "
                            u"stunKeepaliveMinS=0 urAccepted=-1 crashReportingEnabled=false autoUpgradeIntervalH=0 startBrowser=false listenAddress="_s
                            + self.address();
    for (const QString &option : options.split(u' '))
        set(root.firstChildElement(u"options"_s), option.section(u'=', 0, 0), option.section(u'=', 1));
    QDomElement folder = root.appendChild(root.firstChildElement(u"defaults"_s).firstChildElement(u"folder"_s).cloneNode()).toElement();
    folder.setAttribute(u"id"_s, u"pmlina"_s);
    folder.setAttribute(u"path"_s, self.folder);
    folder.appendChild(folder.firstChildElement(u"device"_s).cloneNode()).toElement().setAttribute(u"id"_s, other.id);
    QFile file(self.home + u"/config.xml"_s);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(doc.toByteArray()) > 0;
}

QStringList conflictCopies(const QString &folder)
{
    return QDir(folder).entryList({u"*.sync-conflict-*"_s}, QDir::Files);
}

} // namespace

class SyncthingTest : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QNetworkAccessManager m_net;
    Instance m_a, m_b;

    bool call(Instance &at, const QString &path, bool post = true)
    {
        QNetworkRequest request(QUrl(u"http://127.0.0.1:%1/rest/%2"_s.arg(at.guiPort).arg(path)));
        request.setRawHeader("X-API-Key", "pmlina-test");
        request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
        std::unique_ptr<QNetworkReply> reply(post ? m_net.post(request, QByteArray()) : m_net.get(request));
        return QTest::qWaitFor([&] { return reply->isFinished(); }, 30000) && reply->error() == QNetworkReply::NoError;
    }

    QString pmlina(Instance &at, const QStringList &arguments)
    {
        QProcess process;
        process.start(QStringLiteral(PMLINA_BINARY), QStringList{u"--data-dir"_s, at.folder} + arguments);
        process.waitForFinished(20000);
        return QString::number(process.exitCode()) + u' ' + QString::fromUtf8(process.readAllStandardOutput());
    }

    // One measurement into partner 1's data on one side, from a scale's CSV file, and scanned.
    bool add(Instance &at, const QString &csvLine)
    {
        TestFiles::write(m_dir.path(), u"in.csv"_s, u"DATE,WEIGHT,BODY_FAT\n"_s + csvLine);
        return pmlina(at, {u"--import-csv"_s, u"1"_s, m_dir.filePath(u"in.csv"_s)}).startsWith(u"0 "_s)
               && call(at, u"db/scan?folder=pmlina"_s);
    }

    bool inStep() const
    {
        return TestFiles::bytes(m_a.folder, FileName::data1) == TestFiles::bytes(m_b.folder, FileName::data1)
               && conflictCopies(m_a.folder) == conflictCopies(m_b.folder);
    }

private Q_SLOTS:
    void initTestCase()
    {
        const QString syncthing = QStandardPaths::findExecutable(u"syncthing"_s);
        if (syncthing.isEmpty())
            QSKIP("syncthing is not installed (Debian package syncthing, which scripts/test installs where it can)");
        m_net.setProxy(QNetworkProxy::NoProxy);
        for (Instance *i : {&m_a, &m_b}) {
            i->home = m_dir.filePath(i == &m_a ? u"a"_s : u"b"_s);
            i->folder = i->home + u"-diary"_s;
            QVERIFY(QDir().mkpath(i->folder + u"/.stfolder"_s));
            // Each computer keeps its own backups, as the README advises.
            TestFiles::write(i->folder, u".stignore"_s, u"/backup\n"_s);
            QCOMPARE(QProcess::execute(syncthing, {u"generate"_s, u"--home="_s + i->home, u"--no-default-folder"_s, u"--skip-port-probing"_s}), 0);
            i->id = config(*i).documentElement().firstChildElement(u"device"_s).attribute(u"id"_s);
            QVERIFY(!i->id.isEmpty());
        }
        QVERIFY(configure(m_a, m_b) && configure(m_b, m_a));
        TestFiles::write(m_a.folder, FileName::data1, kStart + u"\r\n"_s);
        for (Instance *i : {&m_a, &m_b}) {
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(u"HOME"_s, i->home);
            env.insert(u"STNOUPGRADE"_s, u"1"_s);
            i->process.setProcessEnvironment(env);
            i->process.setStandardOutputFile(QProcess::nullDevice());
            i->process.start(syncthing, {u"serve"_s, u"--home="_s + i->home, u"--no-browser"_s, u"--no-restart"_s, u"--no-upgrade"_s});
            QTRY_VERIFY_WITH_TIMEOUT(call(*i, u"system/ping"_s, false), 20000);
        }
    }

    void cleanupTestCase()
    {
        for (Instance *i : {&m_a, &m_b}) {
            if (i->process.state() != QProcess::NotRunning && !(call(*i, u"system/shutdown"_s) && i->process.waitForFinished(10000)))
                i->process.kill();
        }
    }

    void bothAddWhilePaused()
    {
        QTRY_VERIFY_WITH_TIMEOUT(inStep(), 20000);
        QVERIFY(call(m_a, u"system/pause"_s) && call(m_b, u"system/pause"_s));
        QVERIFY(add(m_a, u"2026-12-02,71.8,27.9"_s) && add(m_b, u"2026-12-02,72.2,28.0"_s));
        QVERIFY(!inStep());
        QVERIFY(call(m_a, u"system/resume"_s) && call(m_b, u"system/resume"_s));
        // Syncthing keeps one side's file, renames the other's, and both sides get both.
        QTRY_VERIFY_WITH_TIMEOUT(inStep() && conflictCopies(m_a.folder).size() == 1, 30000);
        const QString merged = pmlina(m_a, {u"--merge-copies"_s});
        QVERIFY2(merged.startsWith(u"0 "_s) && merged.contains(u"1件の記録を「データ1.txt」に加えました"_s), qPrintable(merged));
        QVERIFY(call(m_a, u"db/scan?folder=pmlina"_s));
        QTRY_VERIFY_WITH_TIMEOUT(inStep() && conflictCopies(m_b.folder).isEmpty(), 30000);
        QStringList lines = TestFiles::lines(m_a.folder, FileName::data1); // and so B's, in step
        lines.sort();
        QCOMPARE(lines, (QStringList{kStart, u"\"2026/12/02\",\"取り込み\",71.8,\"\",27.9,\"\""_s, u"\"2026/12/02\",\"取り込み\",72.2,\"\",28,\"\""_s}));
    }
};

QTEST_GUILESS_MAIN(SyncthingTest)
#include "tst_syncthing.moc"
