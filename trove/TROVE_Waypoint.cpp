#include "trove/TROVE_Waypoint.h"

#include "trove/TROVE_Name.h"

namespace trove {

Waypoint_t::Waypoint_t(const geo::Position_t& position_, const std::string& text_1_,
                       const base::Optional_t<double>& real_1_, std::int32_t enum_a_, std::int32_t enum_b_,
                       Symbol_t symbol_, const std::string& text_2_, const std::string& text_3_,
                       const std::string& text_4_, std::uint8_t byte_1_,
                       const base::Optional_t<double>& real_2_, const std::string& text_5_,
                       const std::string& text_6_, double number_1_)
    : position(position_),
      text_1(TrimTrailingBlanks(text_1_)),
      real_1(real_1_),
      enum_a(enum_a_),
      enum_b(enum_b_),
      symbol(symbol_),
      byte_1(byte_1_),
      text_2(text_2_),
      text_3(text_3_),
      text_4(text_4_),
      real_2(real_2_),
      text_5(text_5_),
      text_6(text_6_),
      number_1(number_1_) {}

}  // namespace trove
