#pragma once
// Acting on the game's dialogs as a player does.
#include "../game_window_harness.h"
#include <QAbstractButton>
#include <QLineEdit>
#include <QListWidget>
#include <QWindow>

// Focuses the box with a click, selects what is there and types `text` over it,
// the keys going where Qt sends them: to the widget that has the focus.
inline void type_over(QLineEdit* box, const QString& text)
{
    QTest::mouseClick(box, Qt::LeftButton);
    QWidget* focus = QApplication::focusWidget();
    if (focus != box)
        QFAIL("the click did not give the box the focus");
    QTest::keyClick(focus, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(focus, text);
}

// A window just shown comes to the front as the window manager brings it, so that
// it takes the keys from then on.
inline bool activate(QWidget* window)
{
    window->windowHandle()->requestActivate();
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
}

inline void click(QWidget* widget, Qt::MouseButton button = Qt::LeftButton, QPoint at = {})
{
    QTest::mouseClick(widget, button, {}, at.isNull() ? widget->rect().center() : at);
}

// Double-clicks the folder list's entry for `path`; false when it is not listed.
inline bool open_folder(QListWidget* list, const QString& path)
{
    for (int row = 0; row < list->count(); ++row) {
        QListWidgetItem* item = list->item(row);
        if (item->data(Qt::UserRole).toString() != path)
            continue;
        list->scrollToItem(item);
        const QPoint at = list->visualItemRect(item).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        return true;
    }
    return false;
}

inline bool write_bytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Puts a folder where the file should be, so that replacing the file fails.
inline bool block_file(const QString& path)
{
    QFile::remove(path);
    return QDir().mkpath(path + "/in-the-way");
}
