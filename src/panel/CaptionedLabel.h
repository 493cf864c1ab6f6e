#pragma once

#include <QLabel>

namespace orfa::panel {

// A label that shows a changing value ("Zapnuto", "104.5 MHz") and that a
// screen reader reads together with what the value is: its accessible name is
// "<caption>: <text>", the caption alone while the text is empty. A label
// without a caption is read by its text, as any label.
class CaptionedLabel : public QLabel {
    Q_OBJECT
public:
    explicit CaptionedLabel(QString caption, QWidget* parent = nullptr);

    // Shows text and renames the label after it. Use it instead of setText().
    void setShownText(const QString& text);

private:
    QString caption_;
};

} // namespace orfa::panel
