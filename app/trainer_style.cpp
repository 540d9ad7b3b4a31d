#include "app/trainer_style.h"

#include "app/pictures.h"

#include <qdrawutil.h>
#include <QApplication>
#include <QGroupBox>
#include <QImageReader>
#include <QPainter>
#include <QStyleOption>

namespace cinemoto {

void TrainerStyle::useForApplication()
{
    // Without a base, the proxy takes the style the desktop or the command line asks for.
    QApplication::setStyle(new TrainerStyle);
}

QIcon TrainerStyle::standardIcon(StandardPixmap icon, const QStyleOption *option, const QWidget *widget) const
{
    if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton) {
        const QIcon more = toolIcon(QStringLiteral("more"));
        if (!more.isNull())
            return more;
    }
    return QProxyStyle::standardIcon(icon, option, widget);
}

void TrainerStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                 const QWidget *widget) const
{
    // The frame as the Fusion style draws it, from the same picture, read as what it is.
    if (element == PE_FrameGroupBox && baseStyle()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0) {
        if (!m_groupFrameRead) {
            m_groupFrameRead = true;
            QImageReader reader(QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"),
                                "png");
            reader.setAutoDetectImageFormat(false);
            m_groupFrame = QPixmap::fromImage(reader.read());
        }
        if (!m_groupFrame.isNull()) {
            constexpr int kTopMargin = 3;
            int top = kTopMargin;
            const auto *box = qobject_cast<const QGroupBox *>(widget);
            if (!box || box->isCheckable() || !box->title().isEmpty())
                top += std::max(pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height());
            qDrawBorderPixmap(painter, option->rect.adjusted(0, top, 0, 0), QMargins(6, 6, 6, 6), m_groupFrame);
            return;
        }
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

} // namespace cinemoto
