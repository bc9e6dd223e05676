#include "help_window.h"
#include "dialog_texts.h"
#include "face_drag.h"
#include "picture_button.h"
#include "game/data/sprite_set.h"
#include "platform/ui/accessible_role.h"
#include "platform/ui/prompt.h"
#include "platform/ui/surface_widget.h"
#include "platform/ui/window_shape.h"
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPolygon>

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 200;

} // namespace

HelpWindow::HelpWindow(const SpriteSet& sprites, const QString& bmp_dir, platform::Prompt& prompt, Options options,
                       QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), face_(kWidth, kHeight)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(options.caption);
    setAccessibleDescription(dialog_texts::kHelpDescription);
    platform::set_accessible_role(this, QAccessible::Dialog);
    setFixedSize(kWidth, kHeight);

    auto* help_text = new QLabel(this);
    help_text->setGeometry(8, 8, 249, 129);
    help_text->setWordWrap(true);
    help_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QLabel* page = nullptr;
    if (options.page_label) {
        page = new QLabel(this);
        page->setGeometry(176, 120, 89, 17);
        page->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    std::array<platform::SurfaceWidget*, 2> sample{};
    const QString tips[2] = {dialog_texts::kSealTip, dialog_texts::kYetiTip};
    for (int i = 0; i < 2; ++i) {
        sample[i] = new platform::SurfaceWidget(this, 65, 57);
        sample[i]->move(16 + 80 * i, 112);
        sample[i]->setToolTip(tips[i]);
        sample[i]->setAccessibleName(tips[i]);
    }
    auto* back_help = new PictureButton(this, 41, 41, dialog_texts::kHelpBackName);
    back_help->move(176, 136);
    back_help->setToolTip(QStringLiteral("back"));
    auto* next_help = new PictureButton(this, 41, 41, dialog_texts::kHelpNextName);
    next_help->move(224, 136);
    next_help->setToolTip(QStringLiteral("next"));
    setTabOrder(next_help, back_help);
    next_help->setFocus(Qt::OtherFocusReason);
    controls_ = {help_text, page, sample, back_help, next_help};
    // The page text sits in front of the pictures, as it always has; the pictures take the clicks.
    help_text->lower();
    help_text->setAttribute(Qt::WA_TransparentForMouseEvents);

    show_page();
    draw_face();
    platform::set_rounded_shape(this, QRect(1, 1, kWidth, kHeight), 20, 20);

    // The arrows: the two help pictures, keyed on their own top-left pixel.
    const QString files[2] = {QStringLiteral("help_next.bmp"), QStringLiteral("help_back.bmp")};
    std::array<platform::Surface, 2> arrows;
    QString missing;
    for (int i = 0; i < 2; ++i) {
        const QImage picture(bmp_dir + files[i]);
        if (picture.isNull() && missing.isEmpty())
            missing = bmp_dir + files[i];
        if (!picture.isNull())
            arrows[i] = platform::Surface(picture);
    }
    draw_arrow(next_help, arrows[0], true);
    draw_arrow(back_help, arrows[1], false);

    // The samples: the seal and the struck yeti on white, keyed as the board keys them.
    const int sample_pics[2] = {3, 11};
    for (int i = 0; i < 2; ++i) {
        platform::Surface& s = sample[i]->surface();
        s.fill(qRgb(255, 255, 255));
        const platform::Surface& sprite = sprites.pic[sample_pics[i]];
        if (!sprite.is_null() && !sprites.pic[0].is_null())
            platform::trans_blt(s, 0, 0, 50, 50, sprite, 0, 0, sprites.key(0));
        sample[i]->refresh();
    }

    connect(next_help, &platform::SurfaceWidget::clicked, this, &HelpWindow::next_page);
    connect(back_help, &platform::SurfaceWidget::clicked, this, &HelpWindow::previous_page);
    new FaceDrag(this);

    if (!missing.isEmpty())
        prompt.inform(dialog_texts::help_picture_missing(missing), options.caption, platform::Prompt::Icon::Warning);
}

void HelpWindow::next_page()
{
    pages_.next();
    show_page();
    announce_page();
}

void HelpWindow::previous_page()
{
    pages_.back();
    show_page();
    announce_page();
}

void HelpWindow::announce_page()
{
    platform::announce(this, controls_.help_text->text());
}

void HelpWindow::show_page()
{
    const QString text = HelpPages::text(pages_.page_index());
    if (!text.isEmpty())
        controls_.help_text->setText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    if (controls_.page)
        controls_.page->setText(pages_.counter());
    // The arrow keeps the focus while the page turns: its description is the page, so
    // that a screen reader reads the new page at the arrow the user pressed.
    const QString page = pages_.counter() + QLatin1Char('\n') + controls_.help_text->text();
    for (QWidget* arrow : {static_cast<QWidget*>(controls_.back_help), static_cast<QWidget*>(controls_.next_help)})
        if (arrow)
            arrow->setAccessibleDescription(page);
}

void HelpWindow::draw_face()
{
    face_.fill(qRgb(255, 255, 255));
    // The credit along the bottom edge, below the pictures and the arrows.
    QFont credit_font = font();
    credit_font.setPointSize(11);
    const int line = QFontMetrics(credit_font).height();
    face_.print(QPoint(0, kHeight - line - 3), dialog_texts::kHelpCredit, credit_font, qRgb(70, 70, 110));
    QPainter p(&face_.image());
    for (int i = 1; i <= 200; ++i) {
        p.setPen(QPen(QColor(HelpPages::band_colour(i)), 6, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(HelpPages::band_x(i), -1), QPointF(HelpPages::band_x(i), 400));
    }
}

void HelpWindow::draw_arrow(platform::SurfaceWidget* box, const platform::Surface& picture, bool pointing_right)
{
    platform::Surface& s = box->surface();
    s.fill(qRgb(255, 255, 255));
    if (!picture.is_null()) {
        platform::trans_blt(s, 0, 0, 32, 32, picture, 0, 0, picture.pixel(0, 0));
    } else {
        // Without its picture the arrow is still there to press.
        QPainter p(&s.image());
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(QColor(120, 120, 200));
        p.setPen(Qt::NoPen);
        p.drawPolygon(pointing_right ? QPolygon({QPoint(8, 6), QPoint(30, 16), QPoint(8, 26)})
                                     : QPolygon({QPoint(26, 6), QPoint(4, 16), QPoint(26, 26)}));
    }
    box->refresh();
}

void HelpWindow::paintEvent(QPaintEvent*)
{
    QPainter(this).drawImage(0, 0, face_.image());
}

void HelpWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton)
        hide();
}

void HelpWindow::keyPressEvent(QKeyEvent* event)
{
    // A window without a frame still closes from the keyboard, and its pages turn
    // by the keys that turn pages.
    switch (event->key()) {
    case Qt::Key_Escape:
        close();
        break;
    case Qt::Key_Right:
    case Qt::Key_PageDown:
        next_page();
        break;
    case Qt::Key_Left:
    case Qt::Key_PageUp:
        previous_page();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}
