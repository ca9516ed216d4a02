#!/usr/bin/env bash
# Synthesises the four sound cues and writes them to resources/ as MPEG Layer-3 data inside RIFF/WAVE
# (format tag 0x0055, mono). The clips are committed; run this only to change them.
# Needs ffmpeg with libmp3lame. The output is byte-for-byte reproducible.
set -euo pipefail
cd "$(dirname "$0")/.."
out=resources

# name, sample rate, bit rate, duration (s), expression of t (seconds) in ffmpeg's expression language.
# random(0) is a deterministic noise source; exp() envelopes keep every clip short and click-free.
make_clip() {
  local name=$1 rate=$2 bitrate=$3 duration=$4 expression=$5 filters=${6:-anull}
  ffmpeg -hide_banner -loglevel error -y \
    -f lavfi -i "aevalsrc=exprs='${expression}':sample_rate=${rate}:duration=${duration}" \
    -af "${filters}" -ac 1 -ar "${rate}" -c:a libmp3lame -b:a "${bitrate}" \
    -fflags +bitexact -flags:a +bitexact -map_metadata -1 -f wav "${out}/${name}.wav"
}

# fire: a shot, a sharp crack of noise over a short low thump.
make_clip fire 48000 32k 0.3 \
  '0.9*exp(-28*t)*(2*random(0)-1)+0.6*exp(-18*t)*sin(2*PI*(150-200*t)*t)' \
  'lowpass=f=6000,volume=0.8'

# bang: a hit, a longer rumbling burst of low noise.
make_clip bang 48000 48k 0.7 \
  'min(1,t*200)*exp(-6*t)*(2*random(0)-1)+0.5*exp(-5*t)*sin(2*PI*(70-30*t)*t)' \
  'lowpass=f=900,volume=1.3'

# life: an aircraft coming back, a three-note rising call.
make_clip life 16000 24k 0.66 \
  '0.6*sin(2*PI*(if(lt(t,0.22),523,if(lt(t,0.44),659,784)))*t)*min(1,40*mod(t,0.22))*exp(-4*mod(t,0.22))'

# alarm: the player's death, a wailing siren that falls away.
make_clip alarm 16000 24k 1.0 \
  '0.7*min(1,t*50)*min(1,(1-t)*8)*sin(2*PI*(900*t-350*t*t+40*sin(2*PI*6*t)/(2*PI*6)))'

ls -l "${out}"/*.wav
