! Writes the four files expected from grid.14 and harm.53: for each constituent an
! amplitude and a phase file, every line list-directed. Node lines give the position
! (1..5), x and y of the mesh's node lines in file order and the value; element corners
! are positions (label 999 has no node line: 0).
program oracle
  implicit none
  character(len=120) :: title
  double precision :: x(5), y(5), amp, pha, r1, r2, r3
  integer :: nm(3, 3), j, i, k, u
  character(len=20) :: cname(2)
  title = 'decomposition test mesh, labels out of order'
  x = (/ 0.5d0, 1.25d0, -99999.0d0, 2.0d0, 123456789012.5d0 /)
  y = (/ 1.0d0, -0.1d0, 1.0d-5, 2.0d0, 3.0d0 /)
  nm = reshape((/ 1, 2, 3, 2, 4, 3, 4, 5, 0 /), (/ 3, 3 /))
  open(10, file='harm.53', status='old')
  read(10, *)
  do i = 1, 2
    read(10, *) r1, r2, r3, cname(i)
  end do
  read(10, *)
  do i = 1, 2
    open(20 + 2 * i, file='harm.53.' // trim(cname(i)) // '.amp.63')
    open(21 + 2 * i, file='harm.53.' // trim(cname(i)) // '.pha.63')
    do u = 20 + 2 * i, 21 + 2 * i
      write(u, *) title
      write(u, *) 3, 5
    end do
  end do
  do j = 1, 5
    read(10, *)
    do i = 1, 2
      read(10, *) amp, pha
      write(22 + 2 * (i - 1), *) j, x(j), y(j), amp
      write(23 + 2 * (i - 1), *) j, x(j), y(j), pha
    end do
  end do
  do u = 22, 25
    do j = 1, 3
      write(u, *) j, 3, (nm(k, j), k = 1, 3)
    end do
    do k = 1, 10
      write(u, *) 0
    end do
    close(u)
  end do
end program
