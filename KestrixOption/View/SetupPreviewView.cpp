#include "SetupPreviewView.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kRowsShown = 12;
} // namespace

SetupPreviewView::SetupPreviewView(const QString& heading, const QStringList& changes,
                                   const QString& note, QWidget* parent)
    : HvMessageBox(heading, true, parent) {
    setObjectName(QStringLiteral("SetupPreview"));
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("SetupChanges"));
    list_->addItems(changes);
    list_->setAccessibleName(QCoreApplication::translate("SetupPreviewView", "Changes"));
    list_->setSelectionMode(QAbstractItemView::NoSelection);
    list_->setFocusPolicy(Qt::StrongFocus);
    // The list's look: the menu lists' grey and white, a thin near-black border.
    list_->setStyleSheet(QStringLiteral("QListWidget { background: #383838; color: white; border: "
                                        "1px solid #000004; font-size: 12px; }"
                                        "QListWidget::item { padding: 2px 6px; }"));
    const int row = list_->sizeHintForRow(0) > 0 ? list_->sizeHintForRow(0) : 18;
    list_->setMinimumSize(460, row * std::min<int>(int(changes.size()), kRowsShown) + 8);
    auto* box = qobject_cast<QVBoxLayout*>(layout());
    box->insertWidget(1, list_);
    if (!note.isEmpty()) {
        auto* noteLabel = new QLabel(note, this);
        noteLabel->setWordWrap(true);
        noteLabel->setStyleSheet(QStringLiteral("color: #b8bcc4; font-size: 12px;"));
        box->insertWidget(2, noteLabel);
    }
    okButton()->setText(QCoreApplication::translate("SetupPreviewView", "Import"));
}

bool SetupPreviewView::confirm(const QString& heading, const QStringList& changes,
                               const QString& note) {
    SetupPreviewView view(heading, changes, note, QApplication::activeWindow());
    return view.exec() == QDialog::Accepted;
}
