#include "ListControls.h"

#include "DirListBox.h"
#include "DriveListBox.h"
#include "FileListBox.h"
#include "FolderListWidget.h"
#include "QtText.h"

#include <QComboBox>
#include <QListWidget>
#include <QSignalBlocker>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// Runs `action` once the event being handled is over.
template <class F> void later(QObject* context, F action)
{
    QMetaObject::invokeMethod(context, std::move(action), Qt::QueuedConnection);
}

int rowOf(const std::vector<std::string>& entries, const std::string& entry)
{
    const auto found = std::find(entries.begin(), entries.end(), entry);
    return found == entries.end() ? -1 : static_cast<int>(found - entries.begin());
}

bool shows(const QListWidget* list, const std::vector<std::string>& entries)
{
    if (list->count() != static_cast<int>(entries.size()))
        return false;
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->text() != toQt(entries[static_cast<std::size_t>(row)]))
            return false;
    }
    return true;
}

void showEntries(QListWidget* list, const std::vector<std::string>& entries, int current)
{
    const QSignalBlocker block(list);
    if (!shows(list, entries)) {
        list->clear();
        QStringList texts;
        texts.reserve(static_cast<qsizetype>(entries.size()));
        for (const std::string& entry : entries)
            texts.append(toQt(entry));
        list->addItems(texts);
    }
    if (list->currentRow() != current)
        list->setCurrentRow(current);
    if (current < 0)
        list->clearSelection();
}

QWidget* createDriveList(tk::DriveListBox& drives, QWidget* parent)
{
    auto* combo = new QComboBox(parent);
    QObject::connect(combo, &QComboBox::activated, combo, [&drives, combo](int row) {
        const auto& list = drives.drives();
        if (row < 0 || row >= static_cast<int>(list.size()))
            return;
        later(combo,
              [&drives, drive = list[static_cast<std::size_t>(row)]] { drives.setDrive(drive); });
    });
    return combo;
}

QWidget* createFileList(tk::FileListBox& files, QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setUniformItemSizes(true);
    QObject::connect(list, &QListWidget::currentRowChanged, list, [&files, list](int row) {
        const auto& entries = files.entries();
        if (row < 0 || row >= static_cast<int>(entries.size()))
            return;
        later(list, [&files, name = entries[static_cast<std::size_t>(row)]] {
            if (std::find(files.entries().begin(), files.entries().end(), name) !=
                files.entries().end())
                files.select(name);
        });
    });
    QObject::connect(list, &QListWidget::itemDoubleClicked, list,
                     [&files, list] { later(list, [&files] { files.doubleClick(); }); });
    return list;
}

} // namespace

bool ListControls::isList(const tk::Control& control)
{
    return control.kind() == tk::ControlKind::DriveListBox ||
           control.kind() == tk::ControlKind::DirListBox ||
           control.kind() == tk::ControlKind::FileListBox;
}

QWidget* ListControls::create(tk::Control& control, QWidget* parent)
{
    switch (control.kind()) {
    case tk::ControlKind::DriveListBox:
        return createDriveList(static_cast<tk::DriveListBox&>(control), parent);
    case tk::ControlKind::DirListBox: {
        auto* list = new FolderListWidget(parent);
        auto& folders = static_cast<tk::DirListBox&>(control);
        QObject::connect(list, &FolderListWidget::opened, list, [&folders, list](int row) {
            later(list, [&folders, row] { folders.open(static_cast<std::size_t>(row)); });
        });
        return list;
    }
    case tk::ControlKind::FileListBox:
        return createFileList(static_cast<tk::FileListBox&>(control), parent);
    default:
        return nullptr;
    }
}

void ListControls::update(const tk::Control& control, QWidget* widget)
{
    switch (control.kind()) {
    case tk::ControlKind::DriveListBox: {
        auto* combo = static_cast<QComboBox*>(widget);
        const auto& drives = static_cast<const tk::DriveListBox&>(control);
        const QSignalBlocker block(combo);
        QStringList texts;
        for (const std::string& drive : drives.drives())
            texts.append(toQt(drive));
        const QString current = toQt(drives.drive());
        if (!current.isEmpty() && !texts.contains(current))
            texts.append(current);
        QStringList shown;
        for (int i = 0; i < combo->count(); ++i)
            shown.append(combo->itemText(i));
        if (shown != texts) {
            combo->clear();
            combo->addItems(texts);
        }
        combo->setCurrentIndex(static_cast<int>(texts.indexOf(current)));
        break;
    }
    case tk::ControlKind::DirListBox:
        showEntries(static_cast<QListWidget*>(widget),
                    static_cast<const tk::DirListBox&>(control).entries(), -1);
        break;
    case tk::ControlKind::FileListBox: {
        const auto& files = static_cast<const tk::FileListBox&>(control);
        showEntries(static_cast<QListWidget*>(widget), files.entries(),
                    rowOf(files.entries(), files.fileName()));
        break;
    }
    default:
        break;
    }
}
