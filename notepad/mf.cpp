#include "mf.h"
#include "font_size_rule.h"
#include "setting.h"
#include "platform/ui/accessible_role.h"
#include "platform/ui/pick_list.h"
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>

namespace {

constexpr int kClientWidth = 472;  // 7080 twips
constexpr int kClientHeight = 299; // 4485 twips

QPushButton* button(QWidget* parent, const char* name, const QString& caption, int left)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(left, 0, 65, 25);
    return b;
}

} // namespace

MF::MF(platform::Prompt& prompt, platform::FileDialogs& dialogs, QString app_dir, std::function<void()> beep,
       QString data_dir)
{
    setObjectName(QStringLiteral("mF"));
    setWindowTitle(caption());
    setWindowIcon(window_icon(app_dir));

    face = new QWidget(this);
    face->setObjectName(QStringLiteral("face"));
    setCentralWidget(face);
    open_f_cb = button(face, "open_f_cb", QStringLiteral("開く"), 0);
    write = button(face, "write", QStringLiteral("上書保存"), 72);
    read = button(face, "read", QStringLiteral("読み出し"), 144);
    save_cb = button(face, "save_cb", QStringLiteral("保存"), 216);

    f_sizeCB = new platform::PickList(face);
    f_sizeCB->setObjectName(QStringLiteral("f_sizeCB"));
    f_sizeCB->setGeometry(0, 32, 57, 25);

    read_path = new QLineEdit(face);
    read_path->setObjectName(QStringLiteral("read_path"));
    // Where "c:\" stood: the root of the user's own files.
    read_path->setText(QDir::homePath() + QLatin1Char('/'));
    read_path->setGeometry(56, 32, 329, 25);

    memo = new QPlainTextEdit(face);
    memo->setObjectName(QStringLiteral("memo"));
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setGeometry(0, 56, 353, 225);
    memo->setFont(QFont(QStringLiteral("IPAPGothic"), 9)); // the list says 10, the text starts smaller
    memo->installEventFilter(this);
    memo->setFocus(); // the keys go to the text when the window opens, not to 開く

    face->installEventFilter(this);
    build_menu();
    resize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());

    if (!beep)
        beep = [] { QApplication::beep(); };
    editor_ = std::make_unique<MemoEditor>(*memo, *read_path, [this](TextEncoding e) { show_encoding(e); });
    commands_ = std::make_unique<FileCommands>(*editor_, prompt, dialogs, app_dir, std::move(beep), version());
    connect(open_f_cb, &QPushButton::clicked, this, [this] { commands_->open_with_dialog(); });
    connect(write, &QPushButton::clicked, this, [this] { commands_->overwrite_save(); });
    connect(read, &QPushButton::clicked, this, [this] { commands_->load_text_file(read_path->text()); });
    connect(save_cb, &QPushButton::clicked, this, [this] { commands_->save_as(); });

    layout_controls();
    for (int size = FontSizeRule::kSmallest; size <= FontSizeRule::kLargest; ++size)
        f_sizeCB->addItem(QString::number(size));
    f_sizeCB->setEditText(QStringLiteral("10"));
    f_sizeCB->setToolTip(QStringLiteral("フォントのサイズ"));
    platform::name_control(f_sizeCB, f_sizeCB->toolTip());
    platform::name_control(read_path, QStringLiteral("ファイルのパス"));
    platform::name_control(memo, QStringLiteral("日記の本文"));
    // A typed size applies nothing until it is picked from the list.
    connect(f_sizeCB, &platform::PickList::picked, this, [this] { f_sizeCB_Click(); });

    // The settings window sets the text area's colours from its file.
    setting_ = new Setting(memo, prompt, data_dir.isEmpty() ? app_dir : data_dir, this);
}

MF::~MF() = default;

FileCommands::Version MF::version()
{
    return {MEMOLU_VERSION_MAJOR, MEMOLU_VERSION_MINOR, MEMOLU_VERSION_REVISION};
}

QString MF::caption()
{
    const auto v = version();
    return QStringLiteral("メモルー 2k Releace Version :%1.%2.%3").arg(v.major).arg(v.minor).arg(v.revision);
}

void MF::build_menu()
{
    auto add = [this](QMenu* menu, const char* name, const QString& caption, auto&& slot,
                      const QKeySequence& keys = {}) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(QLatin1String(name));
        a->setShortcut(keys);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    QMenu* m_file = menuBar()->addMenu(QStringLiteral("ファイル"));
    m_file->setObjectName(QStringLiteral("m_file"));
    add(m_file, "m_new", QStringLiteral("新規作成"), [this] { commands_->m_new(); }, Qt::CTRL | Qt::Key_N);
    add(m_file, "m_fopen", QStringLiteral("ファイルを開く"), [this] { commands_->open_with_dialog(); },
        Qt::CTRL | Qt::Key_O);
    add(m_file, "m_f_name_save", QStringLiteral("名前を付けて保存"), [this] { commands_->save_as(); },
        Qt::CTRL | Qt::SHIFT | Qt::Key_S);
    add(m_file, "m_save_samefile", QStringLiteral("上書保存"), [this] { commands_->overwrite_save(); },
        Qt::CTRL | Qt::Key_S);
    m_file->addSeparator()->setObjectName(QStringLiteral("bar"));
    add(m_file, "m_set", QStringLiteral("設定"), [this] {
        setting_->show();
        setting_->raise();
        setting_->activateWindow();
    });
    add(m_file, "m_exit", QStringLiteral("終了"), [this] { close(); });

    QMenu* m_inf = menuBar()->addMenu(QStringLiteral("情報"));
    m_inf->setObjectName(QStringLiteral("m_inf"));
    add(m_inf, "m_info", QStringLiteral("ゾルヴィクについて"), [this] { commands_->m_info(); });
    add(m_inf, "m_rireki", QStringLiteral("更新履歴"), [this] { commands_->m_rireki(); });

    // The menus from the keyboard without marks in their captions: F10 opens the first,
    // Alt with the first letter of its English name opens each.
    auto open_by = [this](const QKeySequence& keys, QMenu* menu) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, [this, menu] { menuBar()->setActiveAction(menu->menuAction()); });
    };
    open_by(QKeySequence(Qt::Key_F10), m_file);
    open_by(QKeySequence(Qt::ALT | Qt::Key_F), m_file);
    open_by(QKeySequence(Qt::ALT | Qt::Key_I), m_inf);
}

QIcon MF::window_icon(const QString& app_dir)
{
    const QString ico = app_dir + QStringLiteral("memolu.ico");
    if (QFile::exists(ico)) {
        QIcon icon(ico);
        if (!icon.isNull())
            return icon;
    }
    // A little diary page with a pencil.
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 70, 50), 1));
    p.setBrush(QColor(255, 250, 232));
    p.drawRoundedRect(QRectF(4.5, 2.5, 21, 27), 2, 2);
    p.setBrush(QColor(230, 90, 110));
    p.drawRect(QRectF(4.5, 2.5, 4, 27));
    p.setPen(QPen(QColor(120, 160, 220), 1));
    for (int y = 9; y <= 25; y += 4)
        p.drawLine(QPointF(11, y + 0.5), QPointF(23, y + 0.5));
    p.translate(22, 22);
    p.rotate(-45);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 200, 60));
    p.drawRect(QRectF(-2.5, -12, 5, 14));
    p.setBrush(QColor(240, 210, 170));
    p.drawPolygon(QPolygonF({QPointF(-2.5, 2), QPointF(2.5, 2), QPointF(0, 7)}));
    p.end();
    return QIcon(pm);
}

bool MF::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == face && event->type() == QEvent::Resize)
        layout_controls();
    if (watched == memo && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        // Tab types a tab in the text; Ctrl+Tab (and Ctrl+Shift+Tab) leave it.
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (tab && (key->modifiers() & Qt::ControlModifier)) {
            const bool back = key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
            focusNextPrevChild(!back);
            return true;
        }
        // Shift+Enter would put a line separator of its own into the text area,
        // which is saved as a lone LF: a typed line break is a line like any other.
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && (key->modifiers() & Qt::ShiftModifier)) {
            QKeyEvent plain(QEvent::KeyPress, key->key(), key->modifiers() & ~Qt::ShiftModifier, key->text(),
                            key->isAutoRepeat(), ushort(key->count()));
            QCoreApplication::sendEvent(memo, &plain);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MF::layout_controls()
{
    // A size that would come out negative (a tiny or minimised window) is left as it is.
    const int w = face->width();
    const int h = face->height();
    const int path_width = w - read_path->x();
    if (path_width >= 0)
        read_path->resize(path_width, read_path->height());
    if (w >= 0)
        memo->resize(w, memo->height());
    const int memo_height = h - memo->y();
    if (memo_height >= 0)
        memo->resize(memo->width(), memo_height);
}

void MF::f_sizeCB_Click()
{
    const auto r = FontSizeRule::apply(f_sizeCB->currentText());
    if (r.list_text != f_sizeCB->currentText())
        f_sizeCB->setEditText(r.list_text);
    QFont font = memo->font();
    font.setPointSizeF(r.points);
    memo->setFont(font);
}

void MF::show_encoding(TextEncoding encoding)
{
    // The classic caption for the classic encoding; a UTF-8 text says so at its end.
    setWindowTitle(encoding == TextEncoding::Cp932 ? caption() : caption() + QStringLiteral(" [UTF-8]"));
}

void MF::closeEvent(QCloseEvent* event)
{
    if (!commands_->query_close()) {
        event->ignore();
        return;
    }
    setting_->close();
    event->accept();
}
