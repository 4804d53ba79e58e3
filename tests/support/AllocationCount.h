#pragma once
// Counts the heap allocations of a test program, so that tests can show that
// a hot loop allocates nothing. Linking a test that calls heapAllocations()
// replaces the global operator new of that program.

namespace veltrane::test {

long heapAllocations();

}  // namespace veltrane::test
