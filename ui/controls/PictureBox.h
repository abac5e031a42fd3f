#pragma once

#include <QColor>
#include <QImage>
#include <QRegion>
#include <QWidget>

namespace orvane {

// A picture box: a widget over a persistent QImage backing picture. Code
// draws into image() and marks what it changed; Refresh() repaints only the
// changed part. With a border, children live in clientArea(), inside it.
// A box that shows its focus marks the part of it its container shows with a
// frame of the selection colour and the style's focus rectangle.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    enum class Border { None, FixedSingle };

    PictureBox(QWidget* parent, QColor background, Border border = Border::None);

    // The backing picture, Format_RGB32, as large as the client area; it
    // follows the box's size at once, also while the box is hidden.
    QImage& image();
    void markDirty(const QRect& rect) { dirty_ += rect; }
    // Shows a picture (the sheet of a palette box): copies it into the backing picture.
    void setPicture(const QImage& picture);
    // Makes what was drawn since the last refresh visible, now.
    void Refresh();
    // Resizes the box for a caller about to draw every pixel of its picture:
    // the picture's pixels are undefined until then (nothing kept or filled).
    void resizeToCover(int width, int height);

    QWidget* clientArea() { return client_ ? client_ : this; }
    QColor background() const { return background_; }
    int borderWidth() const { return border_ == Border::None ? 0 : 1; }

    // Position inside the container's client area, as handlers read and set it.
    int Left() const { return x(); }
    int Top() const { return y(); }
    void Move(int left, int top) { move(left, top); }

    void setShowsFocus(bool shows) { showsFocus_ = shows; }
    // What the box shows, for assistive technology (a cell, a code).
    QString accessibleValue() const { return accessibleValue_; }
    void setAccessibleValue(const QString& value);

signals:
    void mouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint pos);
    void clicked();
    // A mouse button went down over the box, with the keys held then and
    // where; or came up after that (wherever the pointer then is, after
    // clicked() when it is a click).
    void pressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
    void released();
    // Every key pressed while the box has the focus, as its virtual-key code
    // and shift state (VirtualKeys.h).
    void keyDown(int keyCode, int shift);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    QSize clientSize() const;
    void layoutClientArea();
    // The part of the box its container shows, at the box at `at`.
    QRect visiblePart(QPoint at) const;
    // Repaints where the focus rectangle is drawn with the box at `at`.
    void updateFocusRect(QPoint at);

    QColor background_;
    Border border_;
    QWidget* client_ = nullptr;
    QImage image_;
    QRegion dirty_;
    bool pressed_ = false;
    bool showsFocus_ = false;
    QString accessibleValue_;
};

} // namespace orvane
