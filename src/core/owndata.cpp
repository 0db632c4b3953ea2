#include "owndata.h"

namespace kf {

TOwnData ownData;

}  // namespace kf
