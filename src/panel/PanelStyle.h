#pragma once

#include <QProxyStyle>

namespace orfa::panel {

// The platform's style with one change: the menu bar's overflow button gets
// its arrow icon only when it is first painted. Qt loads that icon, through
// the image-format plugins, whenever a menu bar is created, and the panel's
// fixed-size window never shows the button; loading it took about half a
// megabyte and a millisecond of every start.
class PanelStyle final : public QProxyStyle {
public:
    // Takes ownership of the style it wraps.
    explicit PanelStyle(QStyle* base);

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override;
};

} // namespace orfa::panel
