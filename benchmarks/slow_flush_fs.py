#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# A pass-through file system whose every flush to the disk (fsync of a file
# or a folder) takes a set time, as on a busy disk or a network home folder;
# everything else goes straight to the folder underneath.
#
# Usage: slow_flush_fs.py ROOT MOUNTPOINT [MILLISECONDS]   (default 200)
# Runs in the foreground until unmounted (fusermount -u MOUNTPOINT).
import errno
import os
import sys
import time

try:
    import fusepy as fuse  # Debian's name for the module
except ImportError:
    import fuse


class SlowFlush(fuse.Operations):
    def __init__(self, root, delay):
        self.root = root
        self.delay = delay

    def _full(self, path):
        return os.path.join(self.root, path.lstrip('/'))

    def _slow(self):
        time.sleep(self.delay)

    def access(self, path, mode):
        if not os.access(self._full(path), mode):
            raise fuse.FuseOSError(errno.EACCES)

    def chmod(self, path, mode):
        os.chmod(self._full(path), mode)

    def chown(self, path, uid, gid):
        os.chown(self._full(path), uid, gid)

    def getattr(self, path, fh=None):
        st = os.lstat(self._full(path))
        return {key: getattr(st, key) for key in (
            'st_atime', 'st_ctime', 'st_gid', 'st_mode', 'st_mtime', 'st_nlink', 'st_size', 'st_uid', 'st_ino')}

    def readdir(self, path, fh):
        return ['.', '..'] + os.listdir(self._full(path))

    def readlink(self, path):
        return os.readlink(self._full(path))

    def mkdir(self, path, mode):
        os.mkdir(self._full(path), mode)

    def rmdir(self, path):
        os.rmdir(self._full(path))

    def statfs(self, path):
        st = os.statvfs(self._full(path))
        return {key: getattr(st, key) for key in (
            'f_bavail', 'f_bfree', 'f_blocks', 'f_bsize', 'f_favail', 'f_ffree', 'f_files', 'f_flag',
            'f_frsize', 'f_namemax')}

    def unlink(self, path):
        os.unlink(self._full(path))

    def symlink(self, name, target):
        os.symlink(target, self._full(name))

    def rename(self, old, new):
        os.rename(self._full(old), self._full(new))

    def link(self, target, name):
        os.link(self._full(name), self._full(target))

    def utimens(self, path, times=None):
        os.utime(self._full(path), times)

    def open(self, path, flags):
        return os.open(self._full(path), flags)

    def create(self, path, mode, fi=None):
        return os.open(self._full(path), os.O_WRONLY | os.O_CREAT | os.O_EXCL, mode)

    def read(self, path, length, offset, fh):
        return os.pread(fh, length, offset)

    def write(self, path, data, offset, fh):
        return os.pwrite(fh, data, offset)

    def truncate(self, path, length, fh=None):
        os.truncate(self._full(path), length)

    def flush(self, path, fh):
        pass

    def release(self, path, fh):
        os.close(fh)

    def fsync(self, path, datasync, fh):
        self._slow()
        os.fsync(fh)

    def opendir(self, path):
        return 0

    def releasedir(self, path, fh):
        pass

    def fsyncdir(self, path, datasync, fh):
        self._slow()


def main():
    if len(sys.argv) not in (3, 4):
        sys.exit(__doc__ or 'usage: slow_flush_fs.py ROOT MOUNTPOINT [MILLISECONDS]')
    delay = (int(sys.argv[3]) if len(sys.argv) == 4 else 200) / 1000.0
    fuse.FUSE(SlowFlush(os.path.realpath(sys.argv[1]), delay), sys.argv[2], foreground=True, nothreads=False,
              use_ino=True)


if __name__ == '__main__':
    main()
