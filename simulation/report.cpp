// The month report of a town: at each month end, what happened in the month and how the town
// stands, from the world's own counters and queries, kept for the notices until the next one.
#include "Strategy_library.h"

using namespace Strategy_library;

namespace {

// Days a stock lasts at the month's use less its production (over the D days of the month), -1
// when it did not fall; an empty store that nothing fills lasts no day.
int vydrzi(long long zostatok, long long vyrobene, long long pouzite, int dni) {
    const long long ubudlo = pouzite - vyrobene;
    if (ubudlo > 0) return static_cast<int>(zostatok * dni / ubudlo);
    return zostatok <= 0 && vyrobene <= 0 ? 0 : -1;
}

}  // namespace

void S_L::zhrn_mesiac() {
    S_sprava_mesiaca& r = sprava_mesiaca;
    const S_owner& o = aktualny_vlastnik();
    const int ja = platny_vlastnik(owner) ? owner : id_nikto;
    const int predosle_smrti = r.rok > 0 ? r.smrti_spolu : o.pocet_smrti;
    r = {};
    r.mesiac = time.mesiac;
    r.rok = time.rok;

    // Every death of the month that the people's pass did not count fell in battle.
    int v_mesiaci = 0;
    for (int k = 0; k < SMRT_last_id; ++k) {
        r.zomreli[k] = smrti_v_mesiaci[ja][k];
        v_mesiaci += r.zomreli[k];
        smrti_v_mesiaci[ja][k] = 0;
    }
    r.smrti_spolu = o.pocet_smrti;
    const int v_boji = o.pocet_smrti - predosle_smrti - v_mesiaci;
    r.zomreli[SMRT_boj] += v_boji > 0 ? v_boji : 0;

    r.hladovali = o.hladuje_muz + o.hladuje_zena;
    r.chori[0] = o.trpi_chorobou_celkom;
    for (int d = 1; d < choroba_last_id; ++d) r.chori[d] = o.trpi_chorobou[d];

    // Water, and food in nutrition points, after this month end's spoilage.
    const int skoncil = time.mesiac == M_januar ? M_december : time.mesiac - 1;
    const int dni = skoncil >= M_januar && skoncil <= M_december ? mesiac[skoncil].pocet_dni : 30;
    long long jedlo[3] = {0, 0, 0};  // what is left, made and used
    for (int s = 0; s < last_surovina_id; ++s) {
        const S_surovina& u = o.surovina[s];
        const int pokazene = pokazi_sa(s);
        if (s == voda) {
            r.skazilo_vody = pokazene;
            r.dni_vody = vydrzi(u.mam - pokazene, u.vyprodukovane, u.pouzite, dni);
        } else if (surovina[s].jedlo) {
            const int n = surovina[s].vizivova_hodnota < 1 ? 1 : surovina[s].vizivova_hodnota;
            r.skazilo_jedla += pokazene;
            jedlo[0] += static_cast<long long>(u.mam - pokazene) * n;
            jedlo[1] += static_cast<long long>(u.vyprodukovane) * n;
            jedlo[2] += static_cast<long long>(u.pouzite) * n;
        }
    }
    r.dni_jedla = vydrzi(jedlo[0], jedlo[1], jedlo[2], dni);

    r.bez_domova = o.bez_domova_last_id;
    r.volne_v_domoch = volne_miesta_v_domoch();
    r.bez_prace = o.bez_prace_last_id;
    r.volne_prace = volne_pracovne_miesta();

    r.osadnici = prislo_osadnikov;
    prislo_osadnikov = 0;
    const S_prichod p = posud_prichod();
    r.prichod = p.verdikt;
    r.prichod_treba = static_cast<int>(p.treba);
    r.prichod_jedlo = static_cast<int>(p.jedlo);
    r.prichod_voda = static_cast<int>(p.voda);

    r.stavby = rozostavane_budovy();
    r.cakaju_stavby = stavby_cakaju_na_stavbarov();
    r.stavbari = o.stavbari;
}

const S_sprava_mesiaca& S_L::return_sprava_mesiaca() { return sprava_mesiaca; }
