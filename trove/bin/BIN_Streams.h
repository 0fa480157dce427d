#pragma once
// Everything of the binary stream family in one include.
#include "trove/bin/BIN_ByteBuffer.h"
#include "trove/bin/BIN_IFStream.h"
#include "trove/bin/BIN_IOStream.h"
#include "trove/bin/BIN_IStream.h"
#include "trove/bin/BIN_OStream.h"
#include "trove/bin/BIN_Record.h"
#include "trove/bin/BIN_StringStream.h"
