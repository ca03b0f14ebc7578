// One diary on two computers: two real Syncthing instances on this machine keep the data folder in
// step over localhost. Both add a measurement while syncing is paused; once it resumes Syncthing
// makes its conflict copy, and after `pmlina --merge-copies` and the next sync both sides hold
// every measurement exactly once. Nothing leaves this machine: each configuration is written
// before the instance first starts, with every discovery, relay, NAT, STUN, reporting and
// upgrade service off and every address on 127.0.0.1.
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

namespace {

const QByteArray kApiKey = "pmlina-test";
const QString kStart = QStringLiteral("\"2026/12/01\",\"朝\",72.5,\"\",28.1,\"\"");

int freePort()
{
    QTcpServer server;
    return server.listen(QHostAddress::LocalHost, 0) ? server.serverPort() : 0;
}

struct Instance {
    QString home;
    QString folder;
    QString id;
    int guiPort = freePort();
    int listenPort = freePort();
    QProcess process;
};

QDomElement child(QDomElement parent, const QString &name)
{
    QDomElement e = parent.firstChildElement(name);
    if (e.isNull())
        e = parent.appendChild(parent.ownerDocument().createElement(name)).toElement();
    return e;
}

void setText(QDomElement e, const QString &text)
{
    while (e.hasChildNodes())
        e.removeChild(e.firstChild());
    e.appendChild(e.ownerDocument().createTextNode(text));
}

// What `syncthing generate` wrote, turned into a configuration that only ever talks to `other`.
bool configure(Instance &self, const Instance &other)
{
    QFile file(self.home + QStringLiteral("/config.xml"));
    QDomDocument doc;
    if (!file.open(QIODevice::ReadOnly) || !doc.setContent(&file))
        return false;
    file.close();
    QDomElement root = doc.documentElement();
    QDomElement device = root.firstChildElement(QStringLiteral("device"));
    setText(child(device, QStringLiteral("address")), QStringLiteral("tcp://127.0.0.1:%1").arg(self.listenPort));

    QDomElement gui = child(root, QStringLiteral("gui"));
    setText(child(gui, QStringLiteral("address")), QStringLiteral("127.0.0.1:%1").arg(self.guiPort));
    setText(child(gui, QStringLiteral("apikey")), QString::fromLatin1(kApiKey));
    QDomElement options = child(root, QStringLiteral("options"));
    const std::pair<const char *, QString> settings[] = {
        {"listenAddress", QStringLiteral("tcp://127.0.0.1:%1").arg(self.listenPort)},
        {"globalAnnounceEnabled", QStringLiteral("false")},
        {"localAnnounceEnabled", QStringLiteral("false")},
        {"relaysEnabled", QStringLiteral("false")},
        {"natEnabled", QStringLiteral("false")},
        {"stunKeepaliveStartS", QStringLiteral("0")},
        {"stunKeepaliveMinS", QStringLiteral("0")},
        {"urAccepted", QStringLiteral("-1")},
        {"crashReportingEnabled", QStringLiteral("false")},
        {"autoUpgradeIntervalH", QStringLiteral("0")},
        {"startBrowser", QStringLiteral("false")},
    };
    for (const auto &[name, value] : settings)
        setText(child(options, QString::fromLatin1(name)), value);

    // The other device, with every field the generated one has.
    QDomElement peer = device.cloneNode().toElement();
    peer.setAttribute(QStringLiteral("id"), other.id);
    peer.setAttribute(QStringLiteral("name"), QStringLiteral("other"));
    setText(child(peer, QStringLiteral("address")), QStringLiteral("tcp://127.0.0.1:%1").arg(other.listenPort));
    root.appendChild(peer);

    QDomElement folder = root.firstChildElement(QStringLiteral("defaults")).firstChildElement(QStringLiteral("folder")).cloneNode().toElement();
    folder.setAttribute(QStringLiteral("id"), QStringLiteral("pmlina"));
    folder.setAttribute(QStringLiteral("label"), QStringLiteral("pmlina"));
    folder.setAttribute(QStringLiteral("path"), self.folder);
    folder.setAttribute(QStringLiteral("fsWatcherDelayS"), QStringLiteral("1"));
    QDomElement shared = folder.firstChildElement(QStringLiteral("device")).cloneNode().toElement();
    shared.setAttribute(QStringLiteral("id"), other.id);
    folder.appendChild(shared);
    root.appendChild(folder);

    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(doc.toByteArray()) > 0;
}

QProcessEnvironment quietEnvironment(const QString &home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("STNOUPGRADE"), QStringLiteral("1"));
    env.insert(QStringLiteral("STNORESTART"), QStringLiteral("1"));
    env.insert(QStringLiteral("STNODEFAULTFOLDER"), QStringLiteral("1"));
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    return env;
}

QStringList conflictCopies(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("*.sync-conflict-*")}, QDir::Files);
}

} // namespace

class SyncthingTest : public QObject
{
    Q_OBJECT
    QNetworkAccessManager m_net;
    Instance m_a;
    Instance m_b;
    QTemporaryDir m_dir;

    // A call of Syncthing's REST interface; the reply's body, or nothing when it failed.
    std::optional<QByteArray> call(Instance &at, const QByteArray &verb, const QString &path)
    {
        QNetworkRequest request(QUrl(QStringLiteral("http://127.0.0.1:%1/rest/%2").arg(at.guiPort).arg(path)));
        request.setRawHeader("X-API-Key", kApiKey);
        request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
        std::unique_ptr<QNetworkReply> reply(verb == "GET" ? m_net.get(request) : m_net.post(request, QByteArray()));
        if (!QTest::qWaitFor([&] { return reply->isFinished(); }, 30000) || reply->error() != QNetworkReply::NoError)
            return std::nullopt;
        return reply->readAll();
    }

    int pmlina(const QStringList &arguments, QString *out = nullptr)
    {
        QProcess process;
        process.setProcessEnvironment(quietEnvironment(QDir::homePath()));
        process.start(QStringLiteral(PMLINA_BINARY), arguments);
        process.waitForFinished(20000);
        if (out)
            *out = QString::fromUtf8(process.readAllStandardOutput());
        return process.exitCode();
    }

    // Adds one measurement to partner 1 on one side, as a user would from a scale's CSV file.
    bool add(Instance &at, const QByteArray &csvLine)
    {
        const QString csv = m_dir.filePath(QStringLiteral("in.csv"));
        QFile file(csv);
        if (!file.open(QIODevice::WriteOnly) || file.write("DATE,WEIGHT,BODY_FAT\n" + csvLine + '\n') <= 0)
            return false;
        file.close();
        return pmlina({QStringLiteral("--data-dir"), at.folder, QStringLiteral("--import-csv"), QStringLiteral("1"), csv}) == 0
               && call(at, "POST", QStringLiteral("db/scan?folder=pmlina")).has_value();
    }

    bool inStep() const
    {
        return TestFiles::bytes(m_a.folder, FileName::data1) == TestFiles::bytes(m_b.folder, FileName::data1)
               && conflictCopies(m_a.folder) == conflictCopies(m_b.folder);
    }

private Q_SLOTS:
    void initTestCase()
    {
        const QString syncthing = QStandardPaths::findExecutable(QStringLiteral("syncthing"));
        if (syncthing.isEmpty())
            QSKIP("syncthing is not installed (Debian package syncthing; scripts/test installs it where it can)");
        m_net.setProxy(QNetworkProxy::NoProxy);
        Instance *both[] = {&m_a, &m_b};
        for (Instance *i : both) {
            const QString side = i == &m_a ? QStringLiteral("a") : QStringLiteral("b");
            i->home = m_dir.filePath(side + QStringLiteral("-home"));
            i->folder = m_dir.filePath(side + QStringLiteral("-diary"));
            QVERIFY(QDir().mkpath(i->folder + QStringLiteral("/.stfolder")));
            // Each computer keeps its own backups.
            TestFiles::write(i->folder, QStringLiteral(".stignore"), QStringLiteral("/backup\n"));
            QCOMPARE(QProcess::execute(syncthing, {QStringLiteral("generate"), QStringLiteral("--home=") + i->home,
                                                   QStringLiteral("--no-default-folder"), QStringLiteral("--skip-port-probing")}),
                     0);
            QVERIFY(QFile::exists(i->home + QStringLiteral("/config.xml")));
        }
        // Each needs the other's id, which its own configuration holds.
        for (Instance *i : both) {
            QFile config(i->home + QStringLiteral("/config.xml"));
            QDomDocument doc;
            QVERIFY(config.open(QIODevice::ReadOnly) && doc.setContent(&config));
            i->id = doc.documentElement().firstChildElement(QStringLiteral("device")).attribute(QStringLiteral("id"));
        }
        QVERIFY(configure(m_a, m_b));
        QVERIFY(configure(m_b, m_a));
        TestFiles::write(m_a.folder, FileName::data1, kStart + QStringLiteral("\r\n"));
        for (Instance *i : both) {
            i->process.setProcessEnvironment(quietEnvironment(i->home));
            i->process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            i->process.setStandardOutputFile(QProcess::nullDevice());
            i->process.start(syncthing, {QStringLiteral("serve"), QStringLiteral("--home=") + i->home, QStringLiteral("--no-browser"),
                                         QStringLiteral("--no-restart"), QStringLiteral("--no-upgrade")});
            QVERIFY(i->process.waitForStarted());
        }
        for (Instance *i : both)
            QTRY_VERIFY_WITH_TIMEOUT(call(*i, "GET", QStringLiteral("system/ping")).has_value(), 20000);
    }

    void cleanupTestCase()
    {
        for (Instance *i : {&m_a, &m_b}) {
            if (i->process.state() == QProcess::NotRunning)
                continue;
            call(*i, "POST", QStringLiteral("system/shutdown"));
            if (!i->process.waitForFinished(10000))
                i->process.kill();
            i->process.waitForFinished(5000);
        }
    }

    void bothAddWhilePaused()
    {
        QTRY_VERIFY_WITH_TIMEOUT(inStep(), 20000);
        QVERIFY(call(m_a, "POST", QStringLiteral("system/pause")));
        QVERIFY(call(m_b, "POST", QStringLiteral("system/pause")));
        QVERIFY(add(m_a, "2026-12-02,71.8,27.9"));
        QVERIFY(add(m_b, "2026-12-02,72.2,28.0"));
        QVERIFY(!inStep());
        QVERIFY(call(m_a, "POST", QStringLiteral("system/resume")));
        QVERIFY(call(m_b, "POST", QStringLiteral("system/resume")));
        // Syncthing keeps one side's file and renames the other's, and both get both.
        QTRY_VERIFY_WITH_TIMEOUT(inStep() && conflictCopies(m_a.folder).size() == 1, 30000);

        QString out;
        QCOMPARE(pmlina({QStringLiteral("--data-dir"), m_a.folder, QStringLiteral("--merge-copies")}, &out), 0);
        QVERIFY2(out.contains(QStringLiteral("1件の記録を「データ1.txt」に加えました")), qPrintable(out));
        QVERIFY(call(m_a, "POST", QStringLiteral("db/scan?folder=pmlina")));
        QTRY_VERIFY_WITH_TIMEOUT(inStep() && conflictCopies(m_b.folder).isEmpty(), 30000);
        for (const QString &folder : {m_a.folder, m_b.folder}) {
            QStringList lines = TestFiles::lines(folder, FileName::data1);
            lines.sort();
            QCOMPARE(lines, (QStringList{kStart, QStringLiteral("\"2026/12/02\",\"取り込み\",71.8,\"\",27.9,\"\""),
                                         QStringLiteral("\"2026/12/02\",\"取り込み\",72.2,\"\",28,\"\"")}));
        }
    }
};

QTEST_GUILESS_MAIN(SyncthingTest)
#include "tst_syncthing.moc"
