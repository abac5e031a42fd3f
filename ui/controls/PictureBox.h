#pragma once

#include "ReducedPictures.h"

#include <QColor>
#include <QImage>
#include <QRegion>
#include <QWidget>

#include <memory>

namespace orvane {

// A picture box: a widget over a persistent QImage backing picture. Code
// draws into image() and marks what it changed; Refresh() repaints only the
// changed part. With a border, children live in clientArea(), inside it.
// A box that shows its focus marks the part of it its container shows with a
// frame of the selection colour and the style's focus rectangle.
//
// A box may show its picture reduced (setReduction): 2 or 4 pixels of the
// picture to a pixel of the box, from reduced copies it keeps up to date with
// every refresh. Its code still speaks in pixels of the picture: the
// picture's size, the box's place (Left, Top, Move), the dirty rectangles
// and the pointer's position in its signals; only its children (overlays
// over the picture) are placed in pixels of the box (boxRect).
class PictureBox : public QWidget {
    Q_OBJECT
public:
    enum class Border { None, FixedSingle };

    PictureBox(QWidget* parent, QColor background, Border border = Border::None);

    // The backing picture, Format_RGB32, as large as the client area; it
    // follows the box's size at once, also while the box is hidden.
    QImage& image();
    void markDirty(const QRect& rect);
    // Shows a picture (the sheet of a palette box): copies it into the backing picture.
    void setPicture(const QImage& picture);
    // Makes what was drawn since the last refresh visible, now.
    void Refresh();
    // Resizes the picture, and the box with it, keeping what it shows.
    void resizePicture(int width, int height);
    // Resizes the picture for a caller about to draw every pixel of it: the
    // picture's pixels are undefined until then (nothing kept or filled).
    void resizeToCover(int width, int height);
    // The picture's size: the client area's, times the reduction.
    QSize pictureSize() const { return clientSize() * reduction_; }

    // Shows the picture reduced by `factor` (1, or ReducedPictures' Half or
    // Quarter); the box's place in its container keeps the part of the
    // picture at its top-left. Copies are kept from the first call on.
    void setReduction(int factor);
    int reduction() const { return reduction_; }
    // The box's pixels of a rectangle of the picture's; the box's pixel of a
    // picture's pixel, and the first picture's pixel of a box's (the client
    // area's pixels, inside any border).
    QRect boxRect(const QRect& picture) const;
    QPoint boxPoint(QPoint picture) const;
    QPoint picturePoint(QPoint box) const { return box * reduction_; }

    QWidget* clientArea() { return client_ ? client_ : this; }
    QColor background() const { return background_; }
    int borderWidth() const { return border_ == Border::None ? 0 : 1; }

    // Position inside the container's client area, in pixels of the
    // picture, as handlers read and set it.
    int Left() const { return x() * reduction_; }
    int Top() const { return y() * reduction_; }
    void Move(int left, int top) { move(left / reduction_, top / reduction_); }

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
    // The position of a pointer event, in pixels of the picture.
    QPoint pictureAt(const QPointF& position) const;

    QImage image_;
    QRegion dirty_;
    int reduction_ = 1;
    std::unique_ptr<ReducedPictures> reduced_; // once the box may reduce
    bool pressed_ = false;
    bool showsFocus_ = false;
    QString accessibleValue_;
};

} // namespace orvane
