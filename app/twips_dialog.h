#pragma once

#include <QDialog>
#include <QHash>

namespace cinemoto {

struct Control;

// Twips to pixels, a little larger than the design resolution so texts breathe.
inline int twipsToPixels(int twips)
{
    return twips / 12;
}

// A small window whose controls stand where its model says, in twips.
class TwipsDialog : public QDialog
{
    Q_OBJECT
public:
    using QDialog::QDialog;
    Q_INVOKABLE virtual void sync() = 0;

protected:
    QWidget *place(QWidget *widget, Control &control, int left, int top, int width, int height);
    void syncAll();
    // A window of fixed size offers title, close and nothing to maximise or resize.
    void useFixedFrame();
    QHash<Control *, QWidget *> m_widgets;
};

} // namespace cinemoto
