#pragma once

#include "app/MainWindow.h"
#include "store/FileNames.h"
#include "support/FakeClock.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"

#include <QAbstractButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// A main window on a temporary data folder, with scripted message boxes, a clock the test moves
// and a scheduler the test runs by hand, so the splash wait costs no time.
struct MainWindowHarness {
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    FakeClock clock;
    std::unique_ptr<MainWindow> window;
    QList<std::pair<qint64, std::function<void()>>> scheduled;
    int ended = 0;

    // Another window's folder instead of a fresh one, when set before the start.
    QString folder;

    QString path() const { return folder.isEmpty() ? dir.path() : folder; }

    void write(const QString &name, const QString &text) { TestFiles::write(path(), name, text); }

    // A couple: nicknames, heights, targets, and the data lines of each partner (without line ends).
    void writeCouple(const QStringList &lines1, const QStringList &lines2, const QString &nick1 = QStringLiteral("ぽむ"),
                     const QString &nick2 = QStringLiteral("りな"), int height1 = 170, int height2 = 160)
    {
        write(FileName::profile1, QStringLiteral("\"氏名\",\"%1\"\r\n\"身長\",%2\r\n\"目標体重\",60\r\n").arg(nick1).arg(height1));
        write(FileName::profile2, QStringLiteral("\"氏名\",\"%1\"\r\n\"身長\",%2\r\n\"目標体重\",50\r\n").arg(nick2).arg(height2));
        write(FileName::data1, lines1.isEmpty() ? QString() : lines1.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
        write(FileName::data2, lines2.isEmpty() ? QString() : lines2.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    }
    void setHelpTour(int on) { write(FileName::helpTour, QStringLiteral("\"ヘルプツアー\",%1\r\n").arg(on)); }

    // Form_Load only: the splash is still up.
    void load()
    {
        window = std::make_unique<MainWindow>(DataFolder(path()), dialogs, clock);
        window->setScheduler([this](qint64 ms, std::function<void()> work) { scheduled.append({ms, std::move(work)}); });
        window->setEndProgram([this] { ++ended; });
        window->Form_Load();
    }
    // Moves the clock on and runs whatever was scheduled.
    void advance(qint64 ms)
    {
        clock.ms += ms;
        const auto due = std::exchange(scheduled, {});
        for (const auto &s : due)
            s.second();
    }
    // The whole start-up.
    void start()
    {
        load();
        advance(1600);
        QVERIFY(window->startupFinished());
    }
    // The whole start-up, with the window then active, as for keys typed into it.
    void startActive()
    {
        start();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    template <typename T = QWidget>
    T *find(const QString &name) const
    {
        T *w = window->findChild<T *>(name);
        if (!w)
            qWarning("no widget %s", qPrintable(name));
        return w;
    }
    void click(const QString &name) { QTest::mouseClick(find<QAbstractButton>(name), Qt::LeftButton); }
    bool visible(const QString &name) const { return find(name)->isVisible(); }
};

// "yyyy/mm/dd","situation",weight,"comment",fat,""
inline QString line(const QString &date, double weight, double fat = 25, const QString &situation = QStringLiteral("朝食後"),
                    const QString &comment = QString())
{
    return QStringLiteral("\"%1\",\"%2\",%3,\"%4\",%5,\"\"").arg(date, situation, QString::number(weight, 'g', 7), comment,
                                                                QString::number(fat, 'g', 7));
}
