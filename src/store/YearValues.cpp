#include "store/YearValues.h"

namespace lohn {

const YearValues kYear2014{2014, "2014.01",          151,  4530, 9060,     5285,  1246, 1359,
                           1530, "(Höhe = EUR 115)", true, true, "ZR2013", false, 1.4,  1.3,
                           7};

const YearValues kYear2013{
    2013,  "2013.12.1", 148,      4440, 8880, 5180, 1219, 1330, 1497, "(Höhe 2013 = EUR 113)",
    false, false,       "ZR2012", true, 1.4,  1.4,  13};

}  // namespace lohn
