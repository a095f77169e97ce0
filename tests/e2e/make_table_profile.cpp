// Writes a display profile of tables sampled from another profile, for the
// end-to-end cases of colour-managed picking.
// Usage: make_table_profile SOURCE.icc OUT.icc
#include "table_profile.h"

#include <QFile>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fputs("usage: make_table_profile SOURCE.icc OUT.icc\n", stderr);
        return 2;
    }
    QFile source(QString::fromLocal8Bit(argv[1]));
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "make_table_profile: %s cannot be read\n", argv[1]);
        return 1;
    }
    const QByteArray table = pigmentrix::TableProfile(source.readAll());
    if (table.isEmpty() || !out.open(QIODevice::WriteOnly) || out.write(table) != table.size()) {
        std::fprintf(stderr, "make_table_profile: no profile written to %s\n", argv[2]);
        return 1;
    }
    return 0;
}
