// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TempDir.h"

#include <stdexcept>

TempDir::TempDir() {
    if (!m_dir.isValid())
        throw std::runtime_error("cannot create a temporary folder");
}
