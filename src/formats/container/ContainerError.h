#pragma once

#include <stdexcept>
#include <string>

namespace tw {

// A document container (ZIP package, compound file) that cannot be read: not such a container,
// damaged, or beyond the limits. The message says which, for the user.
class ContainerError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace tw
