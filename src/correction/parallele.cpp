#include "parallele.h"

#include <algorithm>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace vorek {

int nombre_de_fils() {
    return int(std::clamp(std::thread::hardware_concurrency(), 1u, 16u));
}

void en_parallele(qint64 n, const std::function<void(qint64 i, int fil)>& travail,
                  const std::function<void(qint64 faits)>& avancer,
                  const std::atomic_bool* annuler) {
    std::atomic<qint64> suivant{0};
    std::atomic<qint64> faits{0};
    std::atomic_bool echec{false};
    std::exception_ptr erreur;
    std::mutex garde;
    const auto boucle = [&](int fil) {
        try {
            for (qint64 i = suivant++; i < n && !echec && !(annuler && *annuler); i = suivant++) {
                travail(i, fil);
                const qint64 f = ++faits;
                if (fil == 0 && avancer) {
                    avancer(f);
                }
            }
        } catch (...) {
            const std::lock_guard<std::mutex> verrou(garde);
            if (!erreur) {
                erreur = std::current_exception();
            }
            echec = true;
        }
    };
    std::vector<std::thread> fils;
    for (int fil = 1; fil < nombre_de_fils() && fil < n; ++fil) {
        fils.emplace_back(boucle, fil);
    }
    boucle(0);
    for (std::thread& f : fils) {
        f.join();
    }
    if (erreur) {
        std::rethrow_exception(erreur);
    }
}

} // namespace vorek
