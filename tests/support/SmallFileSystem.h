#pragma once

#include <QString>
#include <QtGlobal>

// A small tmpfs over a folder for as long as the object lives, as a disk that a test can
// fill. It is mounted in a mount namespace of the test process's own, so that nothing stays
// mounted if the test dies. Mounting needs root (as CI runs the tests); elsewhere mounted()
// is false and the test skips.
class SmallFileSystem final
{
    Q_DISABLE_COPY_MOVE(SmallFileSystem)

public:
    SmallFileSystem(const QString &folder, int kibibytes);
    ~SmallFileSystem();

    bool mounted() const { return m_mounted; }
    // Takes every free block with one file, so that the next write of data fails with
    // ENOSPC; creating an empty file still works.
    bool fill();

private:
    QString m_folder;
    bool m_mounted = false;
};
