#include "trove/bin/BIN_ByteBuffer.h"

namespace bin {

template class basic_bytebuf<char>;

}  // namespace bin
