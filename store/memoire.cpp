#include "store/memoire.h"

#include <cstdlib>
#include <new>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace {

constexpr std::size_t Seuil = std::size_t(1) << 20;
constexpr std::size_t GrandePage = std::size_t(2) << 20;

std::size_t Arrondi(std::size_t octets) { return (octets + GrandePage - 1) & ~(GrandePage - 1); }

} // namespace

void *AlloueBloc(std::size_t octets)
{
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    if (octets >= Seuil) {
        // Over-reserve by one huge page, then keep the aligned part only.
        const std::size_t taille = Arrondi(octets);
        void *brut = mmap(nullptr, taille + GrandePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (brut == MAP_FAILED)
            throw std::bad_alloc();
        auto *debut = static_cast<char *>(brut);
        auto *aligne = reinterpret_cast<char *>(Arrondi(reinterpret_cast<std::size_t>(debut)));
        if (aligne > debut)
            munmap(debut, std::size_t(aligne - debut));
        if (debut + GrandePage > aligne)
            munmap(aligne + taille, std::size_t(debut + GrandePage - aligne));
        madvise(aligne, taille, MADV_HUGEPAGE);
        return aligne;
    }
#endif
    if (void *bloc = std::malloc(octets ? octets : 1))
        return bloc;
    throw std::bad_alloc();
}

void LibereBloc(void *bloc, std::size_t octets)
{
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    if (octets >= Seuil) {
        munmap(bloc, Arrondi(octets));
        return;
    }
#endif
    std::free(bloc);
}
