#include "pokan_menus.h"
#include <QActionGroup>
#include <QMainWindow>
#include <QMenuBar>

namespace {

QAction* add(QMenu* menu, const char* caption, bool enabled = false, QKeySequence keys = {})
{
    QAction* a = menu->addAction(QString::fromUtf8(caption));
    a->setEnabled(enabled);
    if (!keys.isEmpty())
        a->setShortcut(keys);
    return a;
}

} // namespace

PokanMenus PokanMenus::build(QMainWindow* window, bool with_skin_chooser)
{
    PokanMenus m;
    QMenuBar* bar = window->menuBar();
    // All four menus must fit across the narrow window.
    bar->setStyleSheet(QStringLiteral("QMenuBar { font-size: 9pt; } QMenuBar::item { padding: 2px 3px; }"));

    m.file = bar->addMenu(QString::fromUtf8("ファイル"));
    m.start = add(m.file, "開始", true, QKeySequence(Qt::Key_F1));
    m.m_stop = add(m.file, "中断", true);
    m.m_stop->setVisible(false);
    m.file->addSeparator();
    m.reset = add(m.file, "リセット", true, QKeySequence(Qt::CTRL | Qt::Key_R));
    m.file->addSeparator();
    m.m_soubi = add(m.file, "装備");
    m.m_set = add(m.file, "設定");
    m.scorecall = add(m.file, "スコア", true);
    if (with_skin_chooser)
        m.change_pic = add(m.file, "絵柄の変更");
    m.m_help = add(m.file, "ヘルプ");
    m.exit = add(m.file, "終了", true, QKeySequence(Qt::CTRL | Qt::Key_Q));

    m.mode_menu = bar->addMenu(QString::fromUtf8("モード"));
    m.mode[0] = add(m.mode_menu, "ノーマル", true);
    m.mode[1] = add(m.mode_menu, "mode of ZAN", true);
    // A choice of two: screen readers see two checkable entries, one checked.
    auto* modes = new QActionGroup(m.mode_menu);
    modes->setExclusive(true);
    for (QAction* mode : m.mode) {
        mode->setCheckable(true);
        modes->addAction(mode);
    }

    m.system = bar->addMenu(QString::fromUtf8("システム"));
    m.win_exit = m.system->addMenu(QString::fromUtf8("Windowsの終了"));
    m.win_end = add(m.win_exit, "終了", true);
    m.reboot = add(m.win_exit, "再起動", true);
    m.explorer = add(m.system, "エクスプローラ", true, QKeySequence(Qt::CTRL | Qt::Key_E));
    m.screen_server = add(m.system, "スクリーンセーバー", false, QKeySequence(Qt::CTRL | Qt::Key_S));
    m.exec = add(m.system, "ファイル名を指定して実行", true);
    m.sys_propa = add(m.system, "システムプロパティ", true);
    m.info_mg[0] = add(m.system, "メモリ情報", true, QKeySequence(Qt::CTRL | Qt::Key_M));
    m.info_mg[1] = add(m.system, "ゴミ箱", true, QKeySequence(Qt::CTRL | Qt::Key_D));
    m.clear_resent = add(m.system, "最近使ったファイルをクリアする。", true);

    m.info = bar->addMenu(QString::fromUtf8("情報"));
    m.about_mipo = add(m.info, "ミポぽかん。2000", false, QKeySequence(Qt::CTRL | Qt::Key_G));
    m.about_zorvik = add(m.info, "ゾルヴィクについて", false, QKeySequence(Qt::CTRL | Qt::Key_I));
    m.open_wb = add(m.info, "みぽうざ～の起動", true);
    m.www_home = add(m.info, "ホームページへ", true);
    m.rireki = add(m.info, "更新履歴");

    m.sm = new QMenu(QStringLiteral("sm"), window);
    m.sm_start = add(m.sm, "start", true);
    m.sm_reset = add(m.sm, "reset", true);
    m.sm_exit = add(m.sm, "exit", true);
    m.sm->addSeparator();
    m.sm_cancel = add(m.sm, "cancel", true);

    m.sm3 = new QMenu(QString::fromUtf8("情報"), window);
    m.sm3_zorvik = add(m.sm3, "zorvik", true);
    return m;
}
