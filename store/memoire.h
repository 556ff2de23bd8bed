#pragma once

#include <cstddef>

// The largest tournaments fill tables of several megabytes at once. Memory
// from the system arrives one 4 KiB page at a time, each page costing a fault
// when first written; blocks of a megabyte or more are therefore asked for in
// whole huge pages where the system offers them, smaller ones come from the heap.
void *AlloueBloc(std::size_t octets);
void LibereBloc(void *bloc, std::size_t octets);

template <typename T>
struct AllocateurBlocs
{
    using value_type = T;
    AllocateurBlocs() = default;
    template <typename U>
    AllocateurBlocs(const AllocateurBlocs<U> &) {}
    T *allocate(std::size_t n) { return static_cast<T *>(AlloueBloc(n * sizeof(T))); }
    void deallocate(T *p, std::size_t n) { LibereBloc(p, n * sizeof(T)); }
    template <typename U>
    bool operator==(const AllocateurBlocs<U> &) const { return true; }
};
