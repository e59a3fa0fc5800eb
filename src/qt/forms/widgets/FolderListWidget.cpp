#include "FolderListWidget.h"

#include <QKeyEvent>

FolderListWidget::FolderListWidget(QWidget* parent)
    : QListWidget(parent)
{
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { emit opened(row(item)); });
}

void FolderListWidget::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && currentRow() >= 0) {
        event->accept();
        emit opened(currentRow());
        return;
    }
    QListWidget::keyPressEvent(event);
}
