"""Every demo song, one module each."""
from tunes import (all_people_that_on_earth_do_dwell, au_clair_de_la_lune, mary_had_a_little_lamb,
                   mat_troi_len, ode_to_joy, row_row_row_your_boat, twinkle_twinkle_little_star)

SONGS = [m.SONG for m in (
    au_clair_de_la_lune, mat_troi_len, twinkle_twinkle_little_star, mary_had_a_little_lamb,
    row_row_row_your_boat, all_people_that_on_earth_do_dwell, ode_to_joy)]
