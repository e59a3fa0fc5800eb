#pragma once

#include <QColor>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <sys/stat.h>
#include <unistd.h>

// Picture files for the desktop tests. Qt writes no GIF, so ImageMagick makes them.
class TestPictures {
public:
    // A GIF of one colour.
    static bool writeGif(const QString& path, const QColor& colour, int width = 49, int height = 49)
    {
        return QProcess::execute("convert", {"-size", QString("%1x%2").arg(width).arg(height),
                                             "xc:" + colour.name(), "GIF:" + path}) == 0;
    }
    // Damaged and hostile files, one of each kind, named `stem` with the extension each
    // claims; the names made.
    static QStringList writeHostile(const QString& folder, const QString& stem)
    {
        const auto path = [&](const QString& kind, const QString& extension) {
            return folder + "/" + stem + "-" + kind + "." + extension;
        };
        QStringList made;
        const auto write = [&](const QString& name, const QByteArray& bytes) {
            QFile file(name);
            if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
                made.append(name);
        };
        write(path("empty", "gif"), {});
        const QString whole = path("whole", "gif");
        if (writeGif(whole, Qt::red)) {
            QFile file(whole);
            QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
            file.close();
            QFile::remove(whole);
            bytes.chop(bytes.size() / 2);
            if (bytes.endsWith(';'))
                bytes.chop(1);
            write(path("truncated", "gif"), bytes);
        }
        write(path("broken", "jpg"),
              QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF garbage", 18) + QByteArray(200, '\x5A'));
        write(path("text", "gif"), "This is a letter, not a picture.\n");
        // A logical screen and an image of 30000 x 30000 pixels, with one pixel of data.
        write(path("huge", "gif"),
              QByteArray("GIF89a\x30\x75\x30\x75\x80\x00\x00\xFF\x00\x00\x00\x00\x00"
                         "\x2C\x00\x00\x00\x00\x30\x75\x30\x75\x00\x02\x02\x44\x01\x00\x3B",
                         35));
        const QString pipe = path("pipe", "gif");
        if (::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0)
            made.append(pipe);
        const QString zero = path("zero", "gif");
        if (QFile::link("/dev/zero", zero))
            made.append(zero);
        return made;
    }
};
