#pragma once

#include <QtGlobal>

// While it lives, the test process obeys file permissions even when it runs as root:
// it drops the capabilities that let root read and write any file, and takes them back
// when it ends. Tests of unreadable files use it, since CI runs them as root.
class ObeyFilePermissions final
{
    Q_DISABLE_COPY_MOVE(ObeyFilePermissions)

public:
    ObeyFilePermissions();
    ~ObeyFilePermissions();

private:
    bool m_dropped = false;
    quint32 m_effective = 0;
};
