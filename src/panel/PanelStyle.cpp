#include "panel/PanelStyle.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>

namespace orfa::panel {
namespace {

// Asks the style for the icon when the icon is first used.
class DeferredStandardIcon final : public QIconEngine {
public:
    DeferredStandardIcon(const QStyle* style, QStyle::StandardPixmap icon)
        : style_(style)
        , icon_(icon) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        loaded().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return loaded().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return loaded().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return loaded().availableSizes(mode, state);
    }
    QIconEngine* clone() const override { return new DeferredStandardIcon(style_, icon_); }

private:
    const QIcon& loaded() {
        if (!loaded_) {
            loaded_ = true;
            if (style_)
                loadedIcon_ = style_->standardIcon(icon_);
        }
        return loadedIcon_;
    }

    QPointer<const QStyle> style_;
    QStyle::StandardPixmap icon_;
    bool loaded_ = false;
    QIcon loadedIcon_;
};

} // namespace

PanelStyle::PanelStyle(QStyle* base)
    : QProxyStyle(base) {}

QIcon PanelStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                               const QWidget* widget) const {
    if (icon == SP_ToolBarHorizontalExtensionButton)
        return QIcon(new DeferredStandardIcon(baseStyle(), icon));
    return QProxyStyle::standardIcon(icon, option, widget);
}

} // namespace orfa::panel
