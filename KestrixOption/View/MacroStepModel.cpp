#include "MacroStepModel.h"

#include "HvButton.h"
#include "HvKey.h"
#include "KxAction.h"

#include <QApplication>
#include <QCoreApplication>
#include <QIntValidator>
#include <QLineEdit>
#include <QPainter>

namespace {

constexpr int32_t kLeftButton = 120;
constexpr int32_t kRightButton = 121;
constexpr int32_t kMiddleButton = 122;

const QColor kRowText{0xff, 0xff, 0xff};
const QColor kDelayText{0xb8, 0xbc, 0xc4};
const QColor kRowLine{0x16, 0x17, 0x1a};

} // namespace

MacroStepModel::MacroStepModel(QObject* parent) : QAbstractTableModel(parent) {}

void MacroStepModel::setSteps(QList<MacroKeyInfo>* steps) {
    beginResetModel();
    steps_ = steps;
    endResetModel();
}

void MacroStepModel::reload() {
    beginResetModel();
    endResetModel();
}

void MacroStepModel::setIcons(const QImage& keyDown, const QImage& keyUp) {
    keyDown_ = keyDown;
    keyUp_ = keyUp;
}

QString MacroStepModel::mouseButtonName(int32_t keyCode) {
    switch (keyCode) {
    case kLeftButton:
        return QCoreApplication::translate("MacroStepModel", "L Button");
    case kRightButton:
        return QCoreApplication::translate("MacroStepModel", "R Button");
    case kMiddleButton:
        return QCoreApplication::translate("MacroStepModel", "M Button");
    default:
        return HvKey::shownName(keyCode);
    }
}

QString MacroStepModel::stepText(const MacroKeyInfo& step) {
    switch (step.keyFlag()) {
    case MacroKeyInfo::kFlagKeyDown:
        return QCoreApplication::translate("MacroStepModel", "Press %1")
            .arg(HvKey::shownName(step.keyCode()));
    case MacroKeyInfo::kFlagKeyUp:
        return QCoreApplication::translate("MacroStepModel", "Release %1")
            .arg(HvKey::shownName(step.keyCode()));
    case MacroKeyInfo::kFlagMenuFunction:
        return KxAction::getMacroMenuNameById(step.keyCode())
            .value_or(
                QCoreApplication::translate("MacroStepModel", "Command %1").arg(step.keyCode()));
    case MacroKeyInfo::kFlagMouseDown:
        return QCoreApplication::translate("MacroStepModel", "%1 Down")
            .arg(mouseButtonName(step.keyCode()));
    case MacroKeyInfo::kFlagMouseUp:
        return QCoreApplication::translate("MacroStepModel", "%1 Up")
            .arg(mouseButtonName(step.keyCode()));
    default:
        return QCoreApplication::translate("MacroStepModel", "Step of kind %1").arg(step.keyFlag());
    }
}

int MacroStepModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !steps_ ? 0 : int(steps_->size());
}

int MacroStepModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant MacroStepModel::data(const QModelIndex& index, int role) const {
    if (!steps_ || !index.isValid() || index.row() >= steps_->size())
        return {};
    const MacroKeyInfo& step = steps_->at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        if (index.column() == kTextColumn)
            return stepText(step);
        if (index.column() == kDelayColumn)
            return QCoreApplication::translate("MacroStepModel", "%1 ms").arg(step.delay());
        return {};
    case Qt::EditRole:
        return index.column() == kDelayColumn ? QVariant(step.delay()) : QVariant();
    case Qt::DecorationRole:
        if (index.column() != kIconColumn)
            return {};
        if (step.keyFlag() == MacroKeyInfo::kFlagKeyDown)
            return keyDown_;
        if (step.keyFlag() == MacroKeyInfo::kFlagKeyUp)
            return keyUp_;
        return {};
    case Qt::AccessibleTextRole:
        // Each cell its own: the row is read cell by cell under the columns' names.
        if (index.column() == kIconColumn)
            return stepKind(step);
        return data(index, Qt::DisplayRole);
    case Qt::ToolTipRole:
        return index.column() == kDelayColumn && editable_
                   ? QCoreApplication::translate("MacroStepModel",
                                                 "Double-click to change the delay")
                   : QVariant();
    default:
        return {};
    }
}

QString MacroStepModel::stepKind(const MacroKeyInfo& step) {
    switch (step.keyFlag()) {
    case MacroKeyInfo::kFlagKeyDown:
        return QCoreApplication::translate("MacroStepModel", "Key down");
    case MacroKeyInfo::kFlagKeyUp:
        return QCoreApplication::translate("MacroStepModel", "Key up");
    case MacroKeyInfo::kFlagMouseDown:
        return QCoreApplication::translate("MacroStepModel", "Button down");
    case MacroKeyInfo::kFlagMouseUp:
        return QCoreApplication::translate("MacroStepModel", "Button up");
    default:
        return QCoreApplication::translate("MacroStepModel", "Command");
    }
}

QVariant MacroStepModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal ||
        (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case kIconColumn:
        return QCoreApplication::translate("MacroStepModel", "Kind");
    case kTextColumn:
        return QCoreApplication::translate("MacroStepModel", "Step");
    case kDelayColumn:
        return QCoreApplication::translate("MacroStepModel", "Delay");
    default:
        return {};
    }
}

Qt::ItemFlags MacroStepModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (editable_ && index.column() == kDelayColumn)
        flags |= Qt::ItemIsEditable;
    return flags;
}

int MacroStepModel::heldDelay(int ms) {
    return MacroInfo::heldDelay(ms);
}

bool MacroStepModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !editable_ || !steps_ || index.column() != kDelayColumn ||
        index.row() >= steps_->size())
        return false;
    bool ok = false;
    const int typed = value.toInt(&ok);
    if (!ok)
        return false;
    // The same rule as the editor's delay field: within 0..5000, down to a multiple of 100.
    (*steps_)[index.row()].setDelay(heldDelay(typed));
    Q_EMIT dataChanged(this->index(index.row(), 0), this->index(index.row(), kColumnCount - 1));
    if (delayEdited_)
        delayEdited_(index.row());
    return true;
}

void MacroStepDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    painter->save();
    const bool selected = option.state & QStyle::State_Selected;
    painter->fillRect(option.rect, selected ? HvButton::accentColor() : QColor(Qt::black));
    painter->setPen(kRowLine);
    painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
    if (index.column() == MacroStepModel::kIconColumn) {
        const QImage icon = index.data(Qt::DecorationRole).value<QImage>();
        if (!icon.isNull()) {
            const QSizeF size = icon.deviceIndependentSize();
            const QPointF at(option.rect.x() + (option.rect.width() - size.width()) / 2,
                             option.rect.y() + (option.rect.height() - size.height()) / 2);
            painter->drawImage(at, icon);
        }
    } else {
        const bool delay = index.column() == MacroStepModel::kDelayColumn;
        painter->setFont(option.font);
        painter->setPen(delay && !selected ? kDelayText : kRowText);
        const QRect text = option.rect.adjusted(4, 0, delay ? -8 : -4, 0);
        const QString shown =
            option.fontMetrics.elidedText(index.data().toString(), Qt::ElideRight, text.width());
        painter->drawText(text, Qt::AlignVCenter | (delay ? Qt::AlignRight : Qt::AlignLeft), shown);
    }
    if (option.state & QStyle::State_HasFocus && option.state & QStyle::State_Active &&
        index.column() == MacroStepModel::kDelayColumn) {
        painter->setPen(QPen(QColor(255, 255, 255, 140), 1, Qt::DotLine));
        painter->drawRect(option.rect.adjusted(1, 1, -2, -2));
    }
    painter->restore();
}

QWidget* MacroStepDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                         const QModelIndex& index) const {
    if (index.column() != MacroStepModel::kDelayColumn)
        return nullptr;
    auto* editor = new QLineEdit(parent);
    editor->setValidator(new QIntValidator(0, MacroStepModel::kMaxDelay, editor));
    editor->setMaxLength(4);
    editor->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    editor->setAccessibleName(
        QCoreApplication::translate("MacroStepModel", "Delay in milliseconds"));
    editor->setStyleSheet(QStringLiteral("QLineEdit { background: #070708; color: white; "
                                         "border: 1px solid #c4141c; padding: 0 6px; }"));
    return editor;
}

void MacroStepDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        line->setText(QString::number(index.data(Qt::EditRole).toInt()));
        line->selectAll();
    }
}

void MacroStepDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                     const QModelIndex& index) const {
    const auto* line = qobject_cast<QLineEdit*>(editor);
    if (!line || line->text().isEmpty())
        return;
    model->setData(index, line->text().toInt(), Qt::EditRole);
}
