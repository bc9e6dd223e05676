#include "setting.h"
#include "platform/ui/accessible_role.h"
#include "platform/files/atomic_file.h"
#include "platform/ui/pick_list.h"
#include "platform/ui/prompt.h"
#include <QComboBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 250;

QImage paint_face()
{
    // Black at the top to red at the bottom, one shade per pixel row.
    QImage img(kWidth, kHeight, QImage::Format_RGB32);
    for (int k = 0; k < kHeight; ++k) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(k));
        std::fill(row, row + kWidth, qRgb(std::min(k, 250), 0, 0));
    }
    return img;
}

QPushButton* push(QWidget* parent, const char* name, const QString& caption, int left, int top, const QString& tip)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(left, top, 81, 25);
    b->setToolTip(tip);
    return b;
}

void green_text(QLabel* label)
{
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, QColor(0, 200, 0));
    label->setPalette(pal);
}

} // namespace

Setting::Setting(QPlainTextEdit* memo, platform::Prompt& prompt, QString app_dir, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), memo_(memo), prompt_(prompt),
      app_dir_(std::move(app_dir)), face_(paint_face())
{
    setObjectName(QStringLiteral("setting"));
    setWindowTitle(QStringLiteral("メモルー設定"));
    platform::set_accessible_role(this, QAccessible::Dialog);
    setFixedSize(kWidth, kHeight);
    QFont ui_font(QStringLiteral("IPAPGothic"));
    ui_font.setPixelSize(12);
    setFont(ui_font);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(kWidth / 2, kHeight / 2));

    help_lab = new QLabel(this);
    help_lab->setObjectName(QStringLiteral("help_lab"));
    help_lab->setGeometry(16, 8, 297, 97);
    help_lab->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    help_lab->setText(QStringLiteral("メモルー設定\n\nフォントカラー\n\nバックカラー\n"));
    green_text(help_lab);
    help_lab->installEventFilter(this);

    no = new QLabel(QStringLiteral("1"), this);
    no->setObjectName(QStringLiteral("no"));
    no->setGeometry(8, 32, 17, 113);
    no->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    pic[0] = swatch("pic0", 32, QStringLiteral("文字の色"));
    rCB = color_list("rCB", 136, 32, QStringLiteral("フォントカラー 赤"));
    gCB = color_list("gCB", 184, 32, QStringLiteral("フォントカラー 緑"));
    bCB = color_list("bCB", 232, 32, QStringLiteral("フォントカラー 青"));
    pic[1] = swatch("pic1", 64, QStringLiteral("背景の色"));
    rbcCB = color_list("rbcCB", 136, 64, QStringLiteral("バックカラー 赤"));
    gbcCB = color_list("gbcCB", 184, 64, QStringLiteral("バックカラー 緑"));
    bbcCB = color_list("bbcCB", 232, 64, QStringLiteral("バックカラー 青"));

    choice_no = new QLabel(QStringLiteral("値は0から255です｡"), this);
    choice_no->setObjectName(QStringLiteral("choice_no"));
    choice_no->setGeometry(80, 112, 321, 25);
    green_text(choice_no);

    save_setting = push(this, "save_setting", QStringLiteral("保存"), 0, 144, QStringLiteral("設定を保存します｡"));
    initiarizeCom = push(this, "initiarizeCom", QStringLiteral("initiarize"), 200, 144,
                         QStringLiteral("押しても意味はありませんよ～。"));
    OKButton = push(this, "OKButton", QStringLiteral("OK"), 0, 184, QStringLiteral("設定を保存して､メモルーに戻る。"));
    CancelButton = push(this, "CancelButton", QStringLiteral("ｷｬﾝｾﾙ"), 96, 184,
                        QStringLiteral("設定を変更せずに､メモ帳に戻る。"));

    connect(save_setting, &QPushButton::clicked, this, [this] { write_settings(); });
    connect(OKButton, &QPushButton::clicked, this, [this] {
        write_settings();
        hide();
    });
    connect(CancelButton, &QPushButton::clicked, this, &QWidget::hide);
    connect(initiarizeCom, &QPushButton::clicked, this,
            [this] { prompt_.inform(QStringLiteral("意味ナシ"), QStringLiteral("武器屋")); });
    // Only a pick applies a colour; a typed value waits for 保存 or OK.
    for (platform::PickList* list : {rCB, gCB, bCB})
        connect(list, &platform::PickList::picked, this, &Setting::apply_text_color);
    for (platform::PickList* list : {rbcCB, gbcCB, bbcCB})
        connect(list, &platform::PickList::picked, this, &Setting::apply_back_color);

    // The lists are filled before the stored values go in, so that filling
    // them does not overwrite the values shown.
    read_set();
}

platform::PickList* Setting::color_list(const char* name, int left, int top, const QString& spoken)
{
    auto* list = new platform::PickList(this);
    list->setObjectName(QLatin1String(name));
    platform::name_control(list, spoken);
    list->setGeometry(left, top, 49, 22);
    list->setMaxVisibleItems(16);
    for (int t = 0; t <= 255; ++t)
        list->addItem(QString::number(t));
    return list;
}

QWidget* Setting::swatch(const char* name, int top, const QString& tip)
{
    auto* w = new QWidget(this);
    w->setObjectName(QLatin1String(name));
    w->setGeometry(88, top, 41, 17);
    w->setAutoFillBackground(true);
    w->setToolTip(tip);
    w->setAccessibleName(tip);
    return w;
}

void Setting::show_color(QWidget* swatch, const QColor& color)
{
    QPalette pal = swatch->palette();
    pal.setColor(QPalette::Window, color);
    swatch->setPalette(pal);
}

QColor Setting::color_of(QComboBox* r, QComboBox* g, QComboBox* b) const
{
    return QColor(ColorSettings::color_component(r->currentText()), ColorSettings::color_component(g->currentText()),
                  ColorSettings::color_component(b->currentText()));
}

void Setting::read_set()
{
    // A missing file is created empty; a folder that cannot take it still gives
    // the first-start colours and a working notepad.
    const QString path = settings_path();
    if (!QFileInfo::exists(path))
        platform::write_file_atomically(path, QByteArray());
    QByteArray bytes;
    platform::read_whole_file(path, &bytes);
    values_ = ColorSettings::from_file(bytes);
    QComboBox* lists[] = {rCB, gCB, bCB, rbcCB, gbcCB, bbcCB};
    for (int i = 0; i < ColorSettings::kCount; ++i) {
        // The list's own position goes with the text, so that the arrow keys
        // and the drop-down start from the value shown.
        const QString text = QString::number(values_[i]);
        const int index = lists[i]->findText(text);
        if (index >= 0)
            lists[i]->setCurrentIndex(index);
        else
            lists[i]->setEditText(text);
    }
    apply_text_color();
    apply_back_color();
}

void Setting::apply_text_color()
{
    apply_color(QPalette::Text, color_of(rCB, gCB, bCB), pic[0]);
}

void Setting::apply_back_color()
{
    apply_color(QPalette::Base, color_of(rbcCB, gbcCB, bbcCB), pic[1]);
}

void Setting::apply_color(QPalette::ColorRole role, const QColor& color, QWidget* swatch)
{
    QPalette pal = memo_->palette();
    pal.setColor(role, color);
    memo_->setPalette(pal);
    show_color(swatch, color);
}

bool Setting::write_settings()
{
    ColorSettings::Values v{};
    const QComboBox* lists[] = {rCB, gCB, bCB, rbcCB, gbcCB, bbcCB};
    for (int i = 0; i < ColorSettings::kCount; ++i) {
        const auto b = ColorSettings::convert_value(lists[i]->currentText());
        if (!b) {
            prompt_.inform(kBadValue, QStringLiteral("メモルー"));
            return false;
        }
        v[i] = *b;
    }
    // Replaced in one step: a failed write leaves the old file as it was.
    if (!platform::write_file_atomically(settings_path(), ColorSettings::bytes(v))) {
        prompt_.inform(kBadValue, QStringLiteral("メモルー"));
        return false;
    }
    values_ = v;
    return true;
}

void Setting::drag_begin(QPointF at)
{
    dragging = true;
    drag_at = at;
    // Wayland lets no window place itself: the compositor moves it for us.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")) && windowHandle())
        dragging = !windowHandle()->startSystemMove();
}

void Setting::drag_move(QPointF at)
{
    if (!dragging)
        return;
    move(pos() + (at - drag_at).toPoint());
}

void Setting::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, face_);
}

void Setting::keyPressEvent(QKeyEvent* event)
{
    // Without a frame to close it by, Escape is its ｷｬﾝｾﾙ (also from a colour list,
    // whose edit box takes Escape first and lets it through).
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        CancelButton->click();
    else
        QWidget::keyPressEvent(event);
}

void Setting::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        drag_begin(event->position());
}

void Setting::mouseMoveEvent(QMouseEvent* event)
{
    drag_move(event->position());
}

void Setting::mouseReleaseEvent(QMouseEvent*)
{
    drag_end();
}

bool Setting::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == help_lab) {
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto* e = static_cast<QMouseEvent*>(event);
            if (e->button() == Qt::LeftButton)
                drag_begin(e->position());
            return true;
        }
        case QEvent::MouseMove:
            drag_move(static_cast<QMouseEvent*>(event)->position());
            return true;
        case QEvent::MouseButtonRelease:
            drag_end();
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}
