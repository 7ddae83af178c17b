# Renders one score to an MP3: the synthesizer's WAV goes straight into lame, which
# writes beside the final name; only a complete MP3 is renamed into place.
#   cmake -DSYNTH=... -DLAME=... -DSCORE=music/foret.score -DMP3=build/music/foret.mp3 \
#         -P render_track.cmake
get_filename_component(dir ${MP3} DIRECTORY)
file(MAKE_DIRECTORY ${dir})
set(part ${MP3}.part)
# Mono VBR at 44.1 kHz: the synthesizer writes one channel.
execute_process(
  COMMAND ${SYNTH} ${SCORE} -
  COMMAND ${LAME} --quiet --nohist -m m -V 4 --resample 44.1 - ${part}
  RESULTS_VARIABLE results)
if(results STREQUAL "0;0")
  file(RENAME ${part} ${MP3})
else()
  file(REMOVE ${part})
  message(FATAL_ERROR "rendering ${SCORE} failed (synthesizer, lame: ${results})")
endif()
