// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own texts in Japanese under a C locale: the text boxes' context menu.
#include "ui/QtTranslation.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include <memory>

class TestTranslation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void contextMenuSpeaksJapanese();
};

void TestTranslation::contextMenuSpeaksJapanese()
{
    QVERIFY(installJapaneseQtTranslation(*qApp));
    QLineEdit box;
    std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    QStringList captions;
    for (QAction *action : menu->actions()) {
        if (!action->isSeparator())
            captions << action->text();
    }
    QVERIFY2(captions.first().startsWith(QStringLiteral("元に戻す")), qPrintable(captions.join(u',')));
    QVERIFY2(captions.join(u',').contains(QStringLiteral("貼り付け")), qPrintable(captions.join(u',')));
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LC_ALL", "C");
    qputenv("LANG", "C");
    QApplication app(argc, argv);
    TestTranslation test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_translation.moc"
