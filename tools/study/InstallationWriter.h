#pragma once

// Writes generated files below a folder that someone else may have prepared: nothing is
// written through a symbolic link below it (a linked default/sessions/ or default/study/qdm.sty
// is refused, never followed out of the folder), an existing file is replaced only when asked,
// and every write, flush and close is checked, so that a full disk is reported with the file
// it hit instead of leaving empty files behind.

#include "Generator.h"

#include <QString>

namespace orvik3::study {

struct WriteOptions {
    bool replace = false; // existing files are replaced; otherwise any of them refuses the whole set
    bool durable = true;  // each file and its folder synced to the disk before the next
};

// Writes the files below outDir, creating it and the folders below it. The whole set is
// checked before the first byte is written: a refused file leaves the disk as it was. False
// with *error ("PATH: why") on the first failure, after removing the files this call made.
bool writeGenerated(const Generated &generated, const QString &outDir, QString *error, const WriteOptions &options = {});

} // namespace orvik3::study
