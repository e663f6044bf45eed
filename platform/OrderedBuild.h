#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

// Builds the texts of pieces 0 to count - 1 on this thread and one helper thread, and hands each
// to `deliver` on this thread in order. `build` must only read what no one changes meanwhile;
// it leaves the piece's text in `text`, which arrives holding an earlier piece's text so that
// its storage can serve again without being cleared. A few pieces at most wait for delivery. What `build` or `deliver` throws ends the work and is thrown here.
void BuildInOrder(std::size_t count, const std::function<void(std::size_t piece, std::string& text)>& build,
                  const std::function<void(std::string_view text)>& deliver);
