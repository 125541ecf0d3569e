// K2Vector: the host's growable array. It is std::vector under the host's name.
#pragma once

#include <vector>

template <class T>
using K2Vector = std::vector<T>;
