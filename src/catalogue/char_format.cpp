#include "catalogue/char_format.h"

const Text& DefaultFaceName() {
  static const Text name = FromUtf8("宋体");
  return name;
}
