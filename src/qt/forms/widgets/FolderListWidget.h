#pragma once

#include <QListWidget>

// A folder list: a double-click or Enter on an entry opens it. Enter is taken here, so that it
// opens the folder instead of pressing the window's default button.
class FolderListWidget : public QListWidget {
    Q_OBJECT

public:
    explicit FolderListWidget(QWidget* parent = nullptr);

signals:
    void opened(int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
