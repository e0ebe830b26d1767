! Writes the extract files expected from osu_result.txt (3 stations) and fes_result.txt
! (2 stations): per constituent of the toolkit's order its name, then per station the
! amplitude and phase of the constituent's position in the result file.
program tidal_extract
  implicit none
  double precision :: amp(14, 3), ph(14, 3), lat, lon
  character(len=20) :: t1, t2
  character(len=4) :: fname(14)
  character(len=3) :: oname(13)
  integer :: oidx(13), fidx(14), s, c, k
  oname = (/ 'Q1 ', 'O1 ', 'P1 ', 'K1 ', 'N2 ', 'M2 ', 'S2 ', 'K2 ', 'Mf ', 'Mm ', 'M4 ', 'MS4', 'MN4' /)
  oidx = (/ 8, 6, 7, 5, 3, 1, 2, 4, 9, 10, 11, 12, 13 /)
  fname = (/ 'Q1  ', 'O1  ', 'P1  ', 'K1  ', 'N2  ', 'M2  ', 'S2  ', 'K2  ', '2N2 ', 'M4  ', 'Mf  ', 'Mm  ', &
             'Mtm ', 'Msqm' /)
  fidx = (/ 9, 7, 8, 3, 5, 1, 2, 4, 6, 10, 11, 12, 13, 14 /)
  open(10, file='osu_result.txt', status='old')
  read(10, *)
  read(10, *)
  do s = 1, 3
    do c = 1, 13
      read(10, *) lat, lon, t1, t2, amp(c, s), ph(c, s)
    end do
  end do
  close(10)
  open(11, file='osu_extract.txt')
  do k = 1, 13
    write(11, *) trim(oname(k))
    do s = 1, 3
      write(11, '(F14.4, F14.2,2i10)') amp(oidx(k), s), ph(oidx(k), s), k, s
    end do
  end do
  close(11)
  open(10, file='fes_result.txt', status='old')
  do k = 1, 7
    read(10, *)
  end do
  do s = 1, 2
    read(10, *)
    read(10, *)
    do c = 1, 14
      read(10, *) t1, amp(c, s), ph(c, s)
    end do
  end do
  close(10)
  open(11, file='fes_extract.txt')
  do k = 1, 14
    write(11, *) trim(fname(k))
    do s = 1, 2
      write(11, '(F14.6, F14.6,2i10)') amp(fidx(k), s), ph(fidx(k), s), k, s
    end do
  end do
  close(11)
end program
