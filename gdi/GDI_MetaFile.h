#pragma once
// A recorded picture of a drawing, kept by the drawing as a cache and shared between its
// copies. Nothing in this library records one; it is only held, shared and released.
#include <memory>

namespace gdi {

class MetaFile_t {
public:
    virtual ~MetaFile_t() = default;
};

using MetaFilePtr_t = std::shared_ptr<MetaFile_t>;

}  // namespace gdi
