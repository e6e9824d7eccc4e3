"""Every background picture, one module each."""
from scenes import aurora, bokeh, deep_sea, dusk_hills, night_lake, stage_lights

SCENES = [night_lake, stage_lights, aurora, dusk_hills, bokeh, deep_sea]
