#include "testsupport/TestFolders.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <gtest/gtest.h>

namespace {

QByteArray Contents(char fill, int lines) {
    QByteArray text;
    for (int i = 0; i < lines; ++i)
        text += "k" + QByteArray::number(i) + "=" + QByteArray(200, fill) + "\r\n";
    return text + "\r\n[round]\r\nfill=" + fill + "\r\n";
}

// A rewrite killed at any moment leaves either the old or the new file.
TEST(AtomicRewrite, KilledWriterLeavesOldOrNewFile) {
    constexpr int Lines = 5000;
    const QByteArray a = Contents('a', Lines), b = Contents('b', Lines);
    TTestFolder folder;
    const QString path = folder.Path() + "profiles.ini";
    for (int run = 0; run < 40; ++run) {
        QProcess writer;
        writer.start(QStringLiteral(INI_REWRITER), {path, QString::number(Lines)});
        ASSERT_TRUE(writer.waitForStarted(10000));
        ASSERT_TRUE(writer.waitForReadyRead(10000));
        QThread::msleep(QRandomGenerator::global()->bounded(1, 60));
        writer.kill();
        ASSERT_TRUE(writer.waitForFinished(10000));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "run " << run;
        const QByteArray now = file.readAll();
        ASSERT_TRUE(now == a || now == b) << "run " << run << ": " << now.size() << " bytes";
    }
}

} // namespace
