#include "practiceworld.h"

namespace kf {

TPracticeWorld practiceWorld;

}  // namespace kf
