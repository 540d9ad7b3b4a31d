#pragma once

namespace cinemoto {

// Hands the memory freed by a window that has just closed back to the system, once the
// event loop has finished deleting it. The allocator keeps freed memory otherwise, and a
// closed help window or print preview would leave megabytes resident.
void returnFreedMemorySoon();

} // namespace cinemoto
