#include "support/TempDir.h"

#include <stdexcept>

TempDir::TempDir() {
    if (!m_dir.isValid())
        throw std::runtime_error("cannot create a temporary folder");
}
