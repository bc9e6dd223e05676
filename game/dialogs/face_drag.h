#pragma once
#include <QObject>
#include <QPoint>

class QWidget;

// Moves a borderless window while its face, or one of the labels handed to add(),
// is dragged with the left button: the point under the pointer stays under it.
class FaceDrag : public QObject {
public:
    explicit FaceDrag(QWidget* window);
    void add(QWidget* handle);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    bool dragging_ = false;
    QPoint press_global_;
    QPoint window_at_press_;
};
