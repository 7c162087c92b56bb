#include "look_and_feel.h"

#include "layout.h"

#include <QApplication>
#include <QProxyStyle>
#include <QStyleFactory>

namespace quillon {

namespace {

// Fusion with the small radio indicators of the designed layout: at Fusion's own size the
// captions of the narrow option buttons would not fit their boxes.
class CompactStyle final : public QProxyStyle {
public:
    CompactStyle()
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    int pixelMetric(PixelMetric metric, const QStyleOption *option,
                    const QWidget *widget) const override {
        switch (metric) {
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
            return 11;
        case PM_RadioButtonLabelSpacing:
            return 2;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }
};

} // namespace

void applyLookAndFeel(QApplication &application) {
    application.setStyle(new CompactStyle);
    application.setFont(layout::font());
}

} // namespace quillon
