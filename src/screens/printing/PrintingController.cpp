#include "screens/printing/PrintingController.h"

#include "screens/printing/RecordSheet.h"
#include "ui/Clock.h"
#include "ui/Dialogs.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QImage>
#include <QWidget>

PrintingController::PrintingController(ScreenContext &context, QWidget *window)
    : QObject(window)
    , m_ctx(context)
    , m_window(window)
{
}

bool PrintingController::confirm(const QString &question)
{
    const Message message{MessageIcon::Question, MessageButtons::OkCancel, QStringLiteral("印刷確認"),
                          question + QStringLiteral("\r\n\r\n良かったらＯＫボタンを押してください")};
    return m_ctx.dialogs.show(message) == MessageAnswer::Ok;
}

void PrintingController::cmdPrint_Click()
{
    if (!confirm(QStringLiteral("表示中の画面イメージで印刷しますか？")))
        return;
    // The window as it stands, without the box that has just closed.
    const QImage image = m_window->grab().toImage();
    const auto orientation = image.width() > image.height() ? QPageLayout::Landscape : QPageLayout::Portrait;
    print(QStringLiteral("ポムリナ 画面"), QStringLiteral("ポムリナ画面"), orientation, [&](PrintPage &page) { page.drawImage(image); });
}

void PrintingController::cmdPrint1_Click()
{
    if (!confirm(QStringLiteral("体重記録用紙を印刷しますか？")))
        return;
    print(QStringLiteral("ポムリナ 体重記録用紙"), QStringLiteral("体重記録用紙"), QPageLayout::Portrait, drawRecordSheet);
}

void PrintingController::print(const QString &documentName, const QString &fileStem, QPageLayout::Orientation orientation,
                               const std::function<void(PrintPage &)> &draw)
{
    const QDateTime now(m_ctx.clock.today(), m_ctx.clock.timeOfDay());
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const Printer::Outcome outcome = m_printer.printPage(documentName, fileStem, now, orientation, draw);
    QGuiApplication::restoreOverrideCursor();
    if (!outcome.ok)
        m_ctx.dialogs.warning(QStringLiteral("印刷できません"), outcome.error);
    else if (!outcome.pdfPath.isEmpty())
        m_ctx.dialogs.information(QStringLiteral("印刷"), QStringLiteral("プリンターが見つからないため、PDFファイルに保存しました。\r\n\r\n")
                                                            + outcome.pdfPath);
}

void drawRecordSheet(PrintPage &page)
{
    const RecordSheet sheet = recordSheet([&page](const QString &text, double points) {
        page.setFontSize(points);
        return page.textWidth(text);
    });
    for (const SheetLine &line : sheet.lines)
        page.drawLine(line.x1, line.y1, line.x2, line.y2);
    page.setFontSize(sheet.fontPoints);
    for (const SheetText &text : sheet.texts)
        page.drawText(text.x, text.y, text.text);
}
