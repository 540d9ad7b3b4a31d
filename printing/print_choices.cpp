#include "printing/print_choices.h"

#include "app/window_context.h"
#include "printing/print_frame.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>

namespace cinemoto {

QMenu *printChoicesMenu(QWidget *parent, const std::function<void(PrinterService::Target)> &print)
{
    auto *menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("printChoices"));
    QAction *preview = menu->addAction(QString());
    preview->setObjectName(QStringLiteral("printPreview"));
    QAction *pdf = menu->addAction(QString());
    pdf->setObjectName(QStringLiteral("savePdf"));
    QObject::connect(preview, &QAction::triggered, menu, [print] { print(PrinterService::Target::Preview); });
    QObject::connect(pdf, &QAction::triggered, menu, [print] { print(PrinterService::Target::PdfFile); });
    return menu;
}

void setPrintChoicesTexts(QMenu *menu, const WindowContext &main)
{
    if (auto *a = menu->findChild<QAction *>(QStringLiteral("printPreview")))
        a->setText(main.text(kPrintPreviewText));
    if (auto *a = menu->findChild<QAction *>(QStringLiteral("savePdf")))
        a->setText(main.text(kSavePdfText));
}

QToolButton *printChoicesButton(QMenu *menu, const WindowContext &main)
{
    auto *button = new QToolButton;
    button->setObjectName(QStringLiteral("printChoicesButton"));
    button->setArrowType(Qt::DownArrow);
    button->setPopupMode(QToolButton::InstantPopup);
    button->setMenu(menu);
    button->setToolTip(main.text(kMorePrintChoicesText));
    button->setAccessibleName(main.text(kMorePrintChoicesText));
    setPrintChoicesTexts(menu, main);
    return button;
}

} // namespace cinemoto
