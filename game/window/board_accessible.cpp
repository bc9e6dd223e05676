#include "board_accessible.h"
#include "access_texts.h"
#include "announcer.h"
#include "board_surface.h"
#include "logo_window.h"
#include "time_gauge.h"
#include "title_plate.h"
#include <QAccessibleWidget>
#include <QPointer>
#include <array>

namespace {

// One cell of the board: no widget of its own, a part of the board's.
class CellAccessible final : public QAccessibleInterface,
                             public QAccessibleActionInterface,
                             public QAccessibleTableCellInterface {
public:
    CellAccessible(BoardSurface* board, int cell) : board_(board), cell_(cell) {}

    bool isValid() const override { return board_ && board_->cells(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return board_ ? board_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(board_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override { return QAccessible::Cell; }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return QString();
        if (t == QAccessible::Name)
            return board_->cells()->cell_name(cell_);
        if (t == QAccessible::Accelerator)
            return key();
        return QString();
    }

    QRect rect() const override
    {
        if (!board_)
            return QRect();
        const QRect r = BoardSurface::cell_rect(cell_);
        return QRect(board_->mapToGlobal(r.topLeft()), r.size());
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!board_)
            return s;
        s.focusable = true;
        s.focused = board_->hasFocus() && board_->current_cell() == cell_;
        s.disabled = !board_->isEnabled();
        s.invisible = !board_->isVisible();
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        return nullptr;
    }

    // The press: a strike in a game, the icon between games.
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override
    {
        if (name == pressAction() && isValid() && board_->isEnabled())
            board_->cells()->activate_cell(cell_);
    }
    QStringList keyBindingsForAction(const QString& name) const override
    {
        return name == pressAction() ? QStringList{key()} : QStringList();
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return cell_ % 3; }
    int rowIndex() const override { return cell_ / 3; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    // The digit laid out like the board: 7 8 9 on the top row.
    QString key() const { return QString::number(7 - 3 * (cell_ / 3) + cell_ % 3); }

    QPointer<BoardSurface> board_;
    int cell_;
};

// The board: a three by three table of cells.
class BoardAccessible final : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit BoardAccessible(BoardSurface* board) : QAccessibleWidget(board, QAccessible::Table)
    {
        for (int cell = 0; cell < BoardSurface::kCells; ++cell)
            ids_[cell] = QAccessible::registerAccessibleInterface(new CellAccessible(board, cell));
    }
    ~BoardAccessible() override
    {
        for (QAccessible::Id id : ids_)
            QAccessible::deleteAccessibleInterface(id);
    }

    BoardSurface* board() const { return static_cast<BoardSurface*>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && board()->cells())
            return board()->cells()->board_name();
        if (t == QAccessible::Description) {
            // The earlier build's tool tip comes first, as it is shown.
            const QString tip = board()->toolTip();
            return tip.isEmpty() ? access_texts::kBoardHelp : tip + QLatin1Char(' ') + access_texts::kBoardHelp;
        }
        return QAccessibleWidget::text(t);
    }

    int childCount() const override { return BoardSurface::kCells; }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= BoardSurface::kCells)
            return nullptr;
        return QAccessible::accessibleInterface(ids_[index]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int cell = 0; cell < BoardSurface::kCells; ++cell)
            if (QAccessible::accessibleInterface(ids_[cell]) == child)
                return cell;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QPoint at = board()->mapFromGlobal(QPoint(x, y));
        for (int cell = 0; cell < BoardSurface::kCells; ++cell)
            if (BoardSurface::cell_rect(cell).contains(at))
                return child(cell);
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override
    {
        return board()->hasFocus() ? child(board()->current_cell()) : nullptr;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // QAccessibleTableInterface: three rows of three, nothing to select.
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        return row >= 0 && row < 3 && column >= 0 && column < 3 ? child(3 * row + column) : nullptr;
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int) const override { return QString(); }
    QString rowDescription(int) const override { return QString(); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return 3; }
    int rowCount() const override { return 3; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    std::array<QAccessible::Id, BoardSurface::kCells> ids_{};
};

// The gauge: the seconds left of twenty.
class GaugeAccessible final : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit GaugeAccessible(TimeGauge* gauge) : QAccessibleWidget(gauge, QAccessible::ProgressBar) {}
    TimeGauge* gauge() const { return static_cast<TimeGauge*>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return access_texts::kGauge;
        if (t == QAccessible::Value)
            return access_texts::seconds_left(gauge()->seconds_left());
        return QAccessibleWidget::text(t);
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QVariant currentValue() const override { return gauge()->seconds_left(); }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return TimeGauge::kSeconds; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }
};

// A picture that is pressed as a button is: the title plate, the title panel.
class PressableAccessible final : public QAccessibleWidget {
public:
    PressableAccessible(platform::SurfaceWidget* widget, QString name, QString description)
        : QAccessibleWidget(widget, QAccessible::Button), name_(std::move(name)), description_(std::move(description))
    {
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && !name_.isEmpty())
            return name_;
        if (t == QAccessible::Description)
            return description_;
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }
    void doAction(const QString& name) override
    {
        if (name == pressAction()) {
            // Only what can be clicked now: a hidden plate or panel is not there to press.
            if (widget()->isVisible() && widget()->isEnabled())
                emit static_cast<platform::SurfaceWidget*>(widget())->clicked();
        }
        else
            QAccessibleWidget::doAction(name);
    }

private:
    QString name_;
    QString description_;
};

// A widget in a role Qt cannot guess, with a description.
class RoleAccessible final : public QAccessibleWidget {
public:
    RoleAccessible(QWidget* widget, QAccessible::Role role, QString description = {})
        : QAccessibleWidget(widget, role), description_(std::move(description))
    {
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            if (auto* announcer = qobject_cast<Announcer*>(widget()))
                return announcer->text();
        }
        if (t == QAccessible::Description && !description_.isEmpty())
            return description_;
        return QAccessibleWidget::text(t);
    }

private:
    QString description_;
};

QAccessibleInterface* factory(const QString& key, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (key == QLatin1String("BoardSurface"))
        return new BoardAccessible(static_cast<BoardSurface*>(object));
    if (key == QLatin1String("TimeGauge"))
        return new GaugeAccessible(static_cast<TimeGauge*>(object));
    if (key == QLatin1String("TitlePlate"))
        return new PressableAccessible(static_cast<TitlePlate*>(object), QString(), access_texts::kPlateHelp);
    if (key == QLatin1String("platform::SurfaceWidget") && object->objectName() == QLatin1String("zorviklogo"))
        return new PressableAccessible(static_cast<platform::SurfaceWidget*>(object), access_texts::kTitlePanel,
                                       access_texts::kTitlePanelHelp);
    if (key == QLatin1String("Announcer"))
        return new RoleAccessible(static_cast<QWidget*>(object), QAccessible::Notification);
    if (key == QLatin1String("LogoWindow"))
        return new RoleAccessible(static_cast<QWidget*>(object), QAccessible::Window, access_texts::kSplashHelp);
    return nullptr;
}

} // namespace

void board_accessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
}
