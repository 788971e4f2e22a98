#include <iostream>

#include "argumanlar.h"
#include "izgara/izgara.h"
#include "izgara/rastgele_yerlestir.h"
#include "komutlar.h"
#include "ortak/rastgele.h"
#include "sablon_yukle.h"

namespace velzora::cli {

int komut_random(Argumanlar& a) {
    const auto satir = a.tamsayi("rows", EN_AZ_EBAT, EN_COK_EBAT);
    const auto sutun = a.tamsayi("cols", EN_AZ_EBAT, EN_COK_EBAT);
    const auto oran = a.kesir("ratio", 0.0, 1.0);
    const auto tohum = a.tamsayi("seed", 0, INT64_MAX);
    const auto cikti = a.deger("out");
    if (a.hata().empty() && (!satir || !sutun || !cikti)) {
        std::cerr << "velzora-cli random: --rows, --cols ve --out gerekli\n";
        return CIKIS_HATALI_GIRDI;
    }
    if (!a.hata().empty()) {
        std::cerr << "velzora-cli random: " << a.hata() << "\n";
        return CIKIS_HATALI_GIRDI;
    }

    Izgara izgara;
    izgara.ebat_ver(static_cast<int>(*satir), static_cast<int>(*sutun));
    Mt_Kaynak kaynak(tohum ? static_cast<std::uint64_t>(*tohum) : gece_yarisindan_saniye());
    rast_yerlestir(izgara, static_cast<float>(oran.value_or(0.17)), kaynak);
    if (const auto h = sablon_yaz(*cikti, izgara); h != Sablon_Hatasi::Yok) {
        std::cerr << "velzora-cli random: " << sablon_hata_metni(h) << ": " << *cikti << "\n";
        return CIKIS_YAZILAMADI;
    }
    return CIKIS_TAMAM;
}

}  // namespace velzora::cli
