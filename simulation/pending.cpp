// Placeholder definitions for the parts of S_L still being built; each aborts loudly if called.
// Every real definition in its own file overrides these weak ones. This file goes away once all
// parts are in.
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include <cstdio>
#include <cstdlib>

#include "Strategy_library.h"

using namespace Strategy_library;

[[noreturn]] static void nedokoncene(const char* co) {
    std::fprintf(stderr, "not built yet: %s\n", co);
    std::abort();
}

__attribute__((weak)) void S_L::Set_all() { nedokoncene("Set_all"); }
__attribute__((weak)) void S_L::New_Game() { nedokoncene("New_Game"); }
__attribute__((weak)) void S_L::Restart_Game() { nedokoncene("Restart_Game"); }
__attribute__((weak)) void S_L::create_player() { nedokoncene("create_player"); }
__attribute__((weak)) void S_L::Set_points() { nedokoncene("Set_points"); }
__attribute__((weak)) void S_L::reset_points() { nedokoncene("reset_points"); }
__attribute__((weak)) void S_L::reset_war() { nedokoncene("reset_war"); }
__attribute__((weak)) void S_L::Set_buildings() { nedokoncene("Set_buildings"); }
__attribute__((weak)) void S_L::Set_sources() { nedokoncene("Set_sources"); }
__attribute__((weak)) void S_L::Set_vojenske_stroje() { nedokoncene("Set_vojenske_stroje"); }
__attribute__((weak)) void S_L::zakaz_produkciu_v_mesiacoch(int b) { nedokoncene("zakaz_produkciu_v_mesiacoch"); }
__attribute__((weak)) int S_L::get_last_building() { nedokoncene("get_last_building"); }
__attribute__((weak)) void S_L::nastav_typ_budovy(int t) { nedokoncene("nastav_typ_budovy"); }
__attribute__((weak)) void S_L::nastav_poziciu_stavanej_budovy(int a, int b) { nedokoncene("nastav_poziciu_stavanej_budovy"); }
__attribute__((weak)) void S_L::posun_stavajucu_budovu(int kam) { nedokoncene("posun_stavajucu_budovu"); }
__attribute__((weak)) void S_L::otoc_stavajucu_budovu() { nedokoncene("otoc_stavajucu_budovu"); }
__attribute__((weak)) int S_L::setting_position_x() { nedokoncene("setting_position_x"); }
__attribute__((weak)) int S_L::setting_position_y() { nedokoncene("setting_position_y"); }
__attribute__((weak)) bool S_L::postav() { nedokoncene("postav"); }
__attribute__((weak)) void S_L::pridaj_budovu(int x, int y, float nrot, int typ_budovy, int level) { nedokoncene("pridaj_budovu"); }
__attribute__((weak)) void S_L::pridaj_budovu(int x, int y, int typ_budovy, int level) { nedokoncene("pridaj_budovu"); }
__attribute__((weak)) void S_L::upgrade(int o) { nedokoncene("upgrade"); }
__attribute__((weak)) bool S_L::da_sa_up(int o) { nedokoncene("da_sa_up"); }
__attribute__((weak)) void S_L::close_open(int o) { nedokoncene("close_open"); }
__attribute__((weak)) void S_L::kontroluj_objekty() { nedokoncene("kontroluj_objekty"); }
__attribute__((weak)) bool S_L::kontroluj_stavbu(int b) { nedokoncene("kontroluj_stavbu"); }
__attribute__((weak)) int S_L::budova_typ(int x, int y) { nedokoncene("budova_typ"); }
__attribute__((weak)) int S_L::budova_level(int x, int y) { nedokoncene("budova_level"); }
__attribute__((weak)) int S_L::budova_percenta(int x, int y) { nedokoncene("budova_percenta"); }
__attribute__((weak)) int S_L::budova_level(int o) { nedokoncene("budova_level"); }
__attribute__((weak)) int S_L::budova_percenta(int o) { nedokoncene("budova_percenta"); }
__attribute__((weak)) int S_L::budova_ludia(int o) { nedokoncene("budova_ludia"); }
__attribute__((weak)) bool S_L::budova_zatvorena(int o) { nedokoncene("budova_zatvorena"); }
__attribute__((weak)) bool S_L::budova_closeable(int o) { nedokoncene("budova_closeable"); }
__attribute__((weak)) int S_L::budova_maximalny_level(int o) { nedokoncene("budova_maximalny_level"); }
__attribute__((weak)) int S_L::budova_produkuje_pocet(int o, int s) { nedokoncene("budova_produkuje_pocet"); }
__attribute__((weak)) int S_L::budova_potrebuje_pocet(int o, int s) { nedokoncene("budova_potrebuje_pocet"); }
__attribute__((weak)) int S_L::budova_upgrade_pocet(int o, int s) { nedokoncene("budova_upgrade_pocet"); }
__attribute__((weak)) int S_L::budova_potrebuje_ludi(int o) { nedokoncene("budova_potrebuje_ludi"); }
__attribute__((weak)) int S_L::budova_potrebuje_ludi_dalsi_level(int o) { nedokoncene("budova_potrebuje_ludi_dalsi_level"); }
__attribute__((weak)) int S_L::budova_postaveny_pocet(int b) { nedokoncene("budova_postaveny_pocet"); }
__attribute__((weak)) int S_L::treba_na_postavenie(int b, int s) { nedokoncene("treba_na_postavenie"); }
__attribute__((weak)) bool S_L::isKasaren() { nedokoncene("isKasaren"); }
__attribute__((weak)) int S_L::return_pocet_stavbari() { nedokoncene("return_pocet_stavbari"); }
__attribute__((weak)) void S_L::zoning(int x, int y, bool opened_gates) { nedokoncene("zoning"); }
__attribute__((weak)) void S_L::zoning_calculation(int p_x, int p_y, int m_x, int m_y, int direction, bool opened_gates) { nedokoncene("zoning_calculation"); }
__attribute__((weak)) int S_L::calculate_zoning(int rot, int direction) { nedokoncene("calculate_zoning"); }
__attribute__((weak)) bool S_L::want_control(int want_x, int want_y, int direction) { nedokoncene("want_control"); }
__attribute__((weak)) bool S_L::can_go_around(int x, int y, int o, int r, int b, int direction) { nedokoncene("can_go_around"); }
__attribute__((weak)) int S_L::add_brana(int o, int b, int x, int y) { nedokoncene("add_brana"); }
__attribute__((weak)) bool S_L::vytvor_clovek(int vlastnik, int pohlavie, int vek, int zdravie) { nedokoncene("vytvor_clovek"); }
__attribute__((weak)) void S_L::clovek_narodenie(int matka, int otec) { nedokoncene("clovek_narodenie"); }
__attribute__((weak)) void S_L::clovek_dosiahol_dospelost(int c) { nedokoncene("clovek_dosiahol_dospelost"); }
__attribute__((weak)) bool S_L::clovek_die_random(int c) { nedokoncene("clovek_die_random"); }
__attribute__((weak)) void S_L::clovek_DIE(int c) { nedokoncene("clovek_DIE"); }
__attribute__((weak)) bool S_L::kontroluj_ludi() { nedokoncene("kontroluj_ludi"); }
__attribute__((weak)) void S_L::kontroluj_prichod_novych_ludi() { nedokoncene("kontroluj_prichod_novych_ludi"); }
__attribute__((weak)) void S_L::kontroluj_najdenie_domu_prace() { nedokoncene("kontroluj_najdenie_domu_prace"); }
__attribute__((weak)) void S_L::pridaj_bez_domova(int id_clovek) { nedokoncene("pridaj_bez_domova"); }
__attribute__((weak)) bool S_L::pridaj_bez_prace(int id_clovek) { nedokoncene("pridaj_bez_prace"); }
__attribute__((weak)) void S_L::pridaj_bez_muza(int id_muz) { nedokoncene("pridaj_bez_muza"); }
__attribute__((weak)) int S_L::odober_bez_domova() { nedokoncene("odober_bez_domova"); }
__attribute__((weak)) int S_L::odober_bez_prace() { nedokoncene("odober_bez_prace"); }
__attribute__((weak)) int S_L::odober_bez_muza() { nedokoncene("odober_bez_muza"); }
__attribute__((weak)) void S_L::najdi_odstran_posun_bez_domova(int id_cloveka) { nedokoncene("najdi_odstran_posun_bez_domova"); }
__attribute__((weak)) void S_L::najdi_odstran_posun_bez_prace(int id_cloveka) { nedokoncene("najdi_odstran_posun_bez_prace"); }
__attribute__((weak)) void S_L::najdi_odstran_posunodober_bez_muza(int id_cloveka) { nedokoncene("najdi_odstran_posunodober_bez_muza"); }
__attribute__((weak)) void S_L::vymen_bez_prace(int rodic, int dieta) { nedokoncene("vymen_bez_prace"); }
__attribute__((weak)) int S_L::return_pocet_ludi() { nedokoncene("return_pocet_ludi"); }
__attribute__((weak)) int S_L::return_pocet_zien() { nedokoncene("return_pocet_zien"); }
__attribute__((weak)) int S_L::return_pocet_muzov() { nedokoncene("return_pocet_muzov"); }
__attribute__((weak)) int S_L::return_pocet_deti() { nedokoncene("return_pocet_deti"); }
__attribute__((weak)) int S_L::return_pocet_chlapcov() { nedokoncene("return_pocet_chlapcov"); }
__attribute__((weak)) int S_L::return_pocet_dievcat() { nedokoncene("return_pocet_dievcat"); }
__attribute__((weak)) int S_L::return_zomrelo_ludi() { nedokoncene("return_zomrelo_ludi"); }
__attribute__((weak)) int S_L::return_zomrelo_muzov() { nedokoncene("return_zomrelo_muzov"); }
__attribute__((weak)) int S_L::return_zomrelo_zien() { nedokoncene("return_zomrelo_zien"); }
__attribute__((weak)) int S_L::return_zomrelo_hladom() { nedokoncene("return_zomrelo_hladom"); }
__attribute__((weak)) int S_L::return_pocet_zomrelo_na_chorobu() { nedokoncene("return_pocet_zomrelo_na_chorobu"); }
__attribute__((weak)) int S_L::return_pocet_muzov_hladuje() { nedokoncene("return_pocet_muzov_hladuje"); }
__attribute__((weak)) int S_L::return_pocet_zien_hladuje() { nedokoncene("return_pocet_zien_hladuje"); }
__attribute__((weak)) int S_L::return_pocet_muzov_bez_domova() { nedokoncene("return_pocet_muzov_bez_domova"); }
__attribute__((weak)) int S_L::return_pocet_muzov_bez_prace() { nedokoncene("return_pocet_muzov_bez_prace"); }
__attribute__((weak)) int S_L::return_pocet_muzov_bez_zien() { nedokoncene("return_pocet_muzov_bez_zien"); }
__attribute__((weak)) void S_L::kontroluj_prijem_denne() { nedokoncene("kontroluj_prijem_denne"); }
__attribute__((weak)) void S_L::kontroluj_sklady() { nedokoncene("kontroluj_sklady"); }
__attribute__((weak)) void S_L::spocitaj_bilanciu() { nedokoncene("spocitaj_bilanciu"); }
__attribute__((weak)) void S_L::kontroluj_trvanlivost() { nedokoncene("kontroluj_trvanlivost"); }
__attribute__((weak)) void S_L::nastav_zostatok() { nedokoncene("nastav_zostatok"); }
__attribute__((weak)) void S_L::priprav_bilanciu() { nedokoncene("priprav_bilanciu"); }
__attribute__((weak)) int S_L::surovina_v_skladoch(int s) { nedokoncene("surovina_v_skladoch"); }
__attribute__((weak)) int S_L::return_vyrobene(int s) { nedokoncene("return_vyrobene"); }
__attribute__((weak)) int S_L::return_pouzite(int s) { nedokoncene("return_pouzite"); }
__attribute__((weak)) int S_L::return_bilancia(int s) { nedokoncene("return_bilancia"); }
__attribute__((weak)) int S_L::return_kapacita_skladov() { nedokoncene("return_kapacita_skladov"); }
__attribute__((weak)) void S_L::Set_choroby() { nedokoncene("Set_choroby"); }
__attribute__((weak)) bool S_L::rozdeluj_jedlo() { nedokoncene("rozdeluj_jedlo"); }
__attribute__((weak)) void S_L::kontroluj_potreby(int c) { nedokoncene("kontroluj_potreby"); }
__attribute__((weak)) void S_L::kontroluj_choroby(int c) { nedokoncene("kontroluj_choroby"); }
__attribute__((weak)) int S_L::return_ch_malo_jedla() { nedokoncene("return_ch_malo_jedla"); }
__attribute__((weak)) int S_L::return_ch_malo_masa() { nedokoncene("return_ch_malo_masa"); }
__attribute__((weak)) int S_L::return_ch_malo_vody() { nedokoncene("return_ch_malo_vody"); }
__attribute__((weak)) int S_L::return_ch_malo_ovocia() { nedokoncene("return_ch_malo_ovocia"); }
__attribute__((weak)) int S_L::return_ch_podchladenie() { nedokoncene("return_ch_podchladenie"); }
__attribute__((weak)) int S_L::return_ch_mrtvola() { nedokoncene("return_ch_mrtvola"); }
__attribute__((weak)) int S_L::return_pocet_trpi_chorobou() { nedokoncene("return_pocet_trpi_chorobou"); }
__attribute__((weak)) void S_L::set_privilegia() { nedokoncene("set_privilegia"); }
__attribute__((weak)) void S_L::zakaz_PRIV_budova_level(int p, int b, int l) { nedokoncene("zakaz_PRIV_budova_level"); }
__attribute__((weak)) bool S_L::ma_privilegia(int t) { nedokoncene("ma_privilegia"); }
__attribute__((weak)) void S_L::kontroluj_pridelenie_privilegii() { nedokoncene("kontroluj_pridelenie_privilegii"); }
__attribute__((weak)) void S_L::kontroluj_PRIV_male_mesto() { nedokoncene("kontroluj_PRIV_male_mesto"); }
__attribute__((weak)) void S_L::kontroluj_PRIV_mesto() { nedokoncene("kontroluj_PRIV_mesto"); }
__attribute__((weak)) void S_L::kontroluj_PRIV_velke_mesto() { nedokoncene("kontroluj_PRIV_velke_mesto"); }
__attribute__((weak)) void S_L::kontroluj_PRIV_kralovske_mesto() { nedokoncene("kontroluj_PRIV_kralovske_mesto"); }
__attribute__((weak)) const char* S_L::getTitul() { nedokoncene("getTitul"); }
__attribute__((weak)) void S_L::kontroluj_koniec_hry() { nedokoncene("kontroluj_koniec_hry"); }
__attribute__((weak)) bool S_L::isEndOFGame() { nedokoncene("isEndOFGame"); }
__attribute__((weak)) int S_L::vytvor_vojensku_skupinu(int zbran, int zbroj, int vojensky_stroj) { nedokoncene("vytvor_vojensku_skupinu"); }
__attribute__((weak)) void S_L::vyzbroj(int c, int zbran, int zbroj) { nedokoncene("vyzbroj"); }
__attribute__((weak)) void S_L::add_regrutovacie_body_pre_vojenske_skupiny(int sx, int sy) { nedokoncene("add_regrutovacie_body_pre_vojenske_skupiny"); }
__attribute__((weak)) bool S_L::odober_vojaka_z_vojenskej_skupiny(int vojak, int skupina) { nedokoncene("odober_vojaka_z_vojenskej_skupiny"); }
__attribute__((weak)) void S_L::dvihni_pocet_v_kasarni(int owner) { nedokoncene("dvihni_pocet_v_kasarni"); }
__attribute__((weak)) void S_L::zniz_pocet_v_kasarni(int owner) { nedokoncene("zniz_pocet_v_kasarni"); }
__attribute__((weak)) bool S_L::je_vojenska_skupina(int o) { nedokoncene("je_vojenska_skupina"); }
__attribute__((weak)) bool S_L::je_vojenska_skupina(int x, int y) { nedokoncene("je_vojenska_skupina"); }
__attribute__((weak)) int S_L::return_vojenska_skupina_id(int x, int y) { nedokoncene("return_vojenska_skupina_id"); }
__attribute__((weak)) int S_L::return_vojenska_skupina_VIP(int vs, int id) { nedokoncene("return_vojenska_skupina_VIP"); }
__attribute__((weak)) int S_L::return_vojenska_skupina_last_id() { nedokoncene("return_vojenska_skupina_last_id"); }
__attribute__((weak)) int S_L::return_vojenska_skupina_last_clen(int s) { nedokoncene("return_vojenska_skupina_last_clen"); }
__attribute__((weak)) float S_L::return_vojenska_skupina_clen_x(int s, int v) { nedokoncene("return_vojenska_skupina_clen_x"); }
__attribute__((weak)) float S_L::return_vojenska_skupina_clen_y(int s, int v) { nedokoncene("return_vojenska_skupina_clen_y"); }
__attribute__((weak)) float S_L::return_vojenska_skupina_clen_rotation(int s, int v) { nedokoncene("return_vojenska_skupina_clen_rotation"); }
__attribute__((weak)) float S_L::return_vojenska_skupina_clen_alive(int s, int v) { nedokoncene("return_vojenska_skupina_clen_alive"); }
__attribute__((weak)) float S_L::return_vojenska_skupina_real_x(int v) { nedokoncene("return_vojenska_skupina_real_x"); }
__attribute__((weak)) float S_L::return_vojenska_skupina_real_y(int v) { nedokoncene("return_vojenska_skupina_real_y"); }
__attribute__((weak)) float S_L::return_vojenska_skupina_stroj_x(int s) { nedokoncene("return_vojenska_skupina_stroj_x"); }
__attribute__((weak)) float S_L::return_vojenska_skupina_stroj_y(int s) { nedokoncene("return_vojenska_skupina_stroj_y"); }
__attribute__((weak)) float S_L::return_vojenska_skupina_stroj_rotation(int s) { nedokoncene("return_vojenska_skupina_stroj_rotation"); }
__attribute__((weak)) int S_L::return_vojenska_skupina_vojensky_stroj(int s) { nedokoncene("return_vojenska_skupina_vojensky_stroj"); }
__attribute__((weak)) bool S_L::vojenska_skupina_owned(int vs) { nedokoncene("vojenska_skupina_owned"); }
__attribute__((weak)) int S_L::add_veza(int o, int x, int y) { nedokoncene("add_veza"); }
__attribute__((weak)) bool S_L::odober_vojaka_z_veze(int vojak, int i, int vl) { nedokoncene("odober_vojaka_z_veze"); }
__attribute__((weak)) int S_L::return_veza_id(int o) { nedokoncene("return_veza_id"); }
__attribute__((weak)) void S_L::kontroluj_diplomaciu() { nedokoncene("kontroluj_diplomaciu"); }
__attribute__((weak)) void S_L::vojna_kontroluj_script() { nedokoncene("vojna_kontroluj_script"); }
__attribute__((weak)) int S_L::Nacitaj_graficky_objekt(const char* folder, const char* path) { nedokoncene("Nacitaj_graficky_objekt"); }
__attribute__((weak)) void S_L::Nacitaj_graficke_objekty() { nedokoncene("Nacitaj_graficke_objekty"); }
__attribute__((weak)) int S_L::return_last_graficky_objekt() { nedokoncene("return_last_graficky_objekt"); }
__attribute__((weak)) std::vector<glm::vec3> S_L::graficky_objekt_vektory(int id) { nedokoncene("graficky_objekt_vektory"); }
__attribute__((weak)) std::vector<glm::vec3> S_L::graficky_objekt_farby(int id) { nedokoncene("graficky_objekt_farby"); }
__attribute__((weak)) int S_L::graficky_objekt_verteces_size(int id) { nedokoncene("graficky_objekt_verteces_size"); }
__attribute__((weak)) void S_L::save_vertexBuffer(int id, unsigned int buffer) { nedokoncene("save_vertexBuffer"); }
__attribute__((weak)) void S_L::save_colorBuffer(int id, unsigned int buffer) { nedokoncene("save_colorBuffer"); }
__attribute__((weak)) unsigned int S_L::graficky_objekt_vertex_buffer(int id) { nedokoncene("graficky_objekt_vertex_buffer"); }
__attribute__((weak)) unsigned int S_L::graficky_objekt_color_buffer(int id) { nedokoncene("graficky_objekt_color_buffer"); }
__attribute__((weak)) void S_L::uloz_graficky_objekt_base_list(int id, int handle) { nedokoncene("uloz_graficky_objekt_base_list"); }
__attribute__((weak)) int S_L::graficky_objekt_base_list(int typ) { nedokoncene("graficky_objekt_base_list"); }
__attribute__((weak)) int S_L::graficky_objekt_base_list(int x, int y) { nedokoncene("graficky_objekt_base_list"); }
__attribute__((weak)) int S_L::graficky_objekt_podklad_base_list(int p) { nedokoncene("graficky_objekt_podklad_base_list"); }
__attribute__((weak)) int S_L::graficky_objekt_soldier_base_list(int skupina, int i) { nedokoncene("graficky_objekt_soldier_base_list"); }
__attribute__((weak)) int S_L::graficky_objekt_stroj_base_list(int k) { nedokoncene("graficky_objekt_stroj_base_list"); }
__attribute__((weak)) int S_L::graficky_objekt_VIP_base_list(int k) { nedokoncene("graficky_objekt_VIP_base_list"); }
__attribute__((weak)) int S_L::return_budova_VIP(int x, int y) { nedokoncene("return_budova_VIP"); }
__attribute__((weak)) int S_L::get_graficky_objekt(float x, float y) { nedokoncene("get_graficky_objekt"); }
