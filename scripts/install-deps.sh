#!/bin/sh
# Installs what Varnholm needs to build, run, test and package on Debian 12.
set -e
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; fi
$SUDO apt-get update
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
  cmake g++ make libgtest-dev libbenchmark-dev qt6-base-dev libqt6opengl6-dev libgl-dev \
  xvfb xauth libgl1-mesa-dri fonts-dejavu-core xdg-utils weston qt6-wayland \
  desktop-file-utils appstream man-db dpkg-dev file
