#pragma once

namespace cinemoto {

// Hands the memory freed by a window that has just closed back to the system, once the
// event loop has finished deleting it. The allocator keeps freed memory otherwise, and a
// closed help window or print preview would leave megabytes resident.
void returnFreedMemorySoon();

// Gives every thread the main thread's heap. Call before the first thread starts: what a
// thread reads at start (the font configuration) stays for the whole run, and in a heap
// of that thread's own it would leave up to a tenth of a megabyte more resident.
void useOneHeapForAllThreads();

} // namespace cinemoto
