#pragma once

#include "MacroInfo.h"
#include "MacroKeyInfo.h"

#include <QAbstractTableModel>
#include <QImage>
#include <QList>
#include <QStyledItemDelegate>

#include <functional>

// The steps of the macro being edited, as rows of the editor's step table: the kind's icon, what
// the step does, and the pause after it. The model reads and writes the macro's own step list
// (the library's, not a copy); the editor tells it when it changed the list itself.
class MacroStepModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { kIconColumn = 0, kTextColumn = 1, kDelayColumn = 2, kColumnCount = 3 };
    // The pause of an edited cell: 0..kMaxDelay, down to a multiple of kDelayStep.
    static constexpr int kMaxDelay = MacroInfo::kMaxDelayMs;
    static constexpr int kDelayStep = MacroInfo::kDelayStepMs;
    // A pause as a step holds it here: within 0..kMaxDelay (the mouse plays up to 6300 ms), down
    // to a multiple of kDelayStep (the mouse's resolution).
    static int heldDelay(int ms);

    explicit MacroStepModel(QObject* parent = nullptr);

    // The list shown and edited; null shows nothing.
    void setSteps(QList<MacroKeyInfo>* steps);
    QList<MacroKeyInfo>* steps() const { return steps_; }
    // The list changed from outside: the table reads it again.
    void reload();
    // Cells can be edited (not while recording).
    void setEditable(bool editable) { editable_ = editable; }
    // The icons of key presses and releases ("MacroList_KeyDown.png", "MacroList_KeyUp.png").
    void setIcons(const QImage& keyDown, const QImage& keyUp);
    // Runs after a delay was edited in the table and stored.
    void setDelayEdited(std::function<void(int row)> edited) { delayEdited_ = std::move(edited); }

    // What a step does, as the table shows it: "Press A", "Release Shift", "L Button Down",
    // "M Button Up", or the name of an inserted command. The codes 120-122 are mouse buttons
    // only in click steps; in key steps they are the keys F2, Page Down and F1.
    static QString stepText(const MacroKeyInfo& step);
    // "L Button", "R Button", "M Button" for the mouse button codes 120-122, else the key's name.
    static QString mouseButtonName(int32_t keyCode);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // What a step is, in words: "Key down", "Button up", "Command" (its icon's column).
    static QString stepKind(const MacroKeyInfo& step);
    // The columns' names, for assistive technology (the table shows no header).
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

private:
    QList<MacroKeyInfo>* steps_ = nullptr;
    bool editable_ = true;
    QImage keyDown_, keyUp_;
    std::function<void(int)> delayEdited_;
};

// Draws the step rows in the editor's look: white text on black, the selected row in the accent
// colour; a delay is edited as a bare number of milliseconds.
class MacroStepDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
};
